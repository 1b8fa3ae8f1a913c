#pragma once

#include <optional>
#include <vector>

#include <QWidget>

#include "inspect/inspection.h"

namespace veltro::qt {

// Every point's weight function over the domain, the current t as a
// vertical line and, for the B-spline, the knot ruler under the plot with
// repeated knots stacked. Hovering a curve names its point; one point's
// curve can be drawn highlighted.
class BasisPlot final : public QWidget {
  public:
    explicit BasisPlot(QWidget* parent = nullptr);

    void show(const Inspection& inspection);
    void highlight(std::optional<std::size_t> point);
    // Called with the point whose curve is under the pointer, or none.
    void onHover(std::function<void(std::optional<std::size_t>)> hovered) {
        hovered_ = std::move(hovered);
    }

    QSize sizeHint() const override { return {360, 220}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QRectF plotArea() const;
    QPointF toWidget(const InspectionPoint& sample) const;
    std::optional<std::size_t> curveNear(const QPointF& at) const;

    std::optional<BasisCurves> basis_;
    InspectionParameter parameter_;
    double low_ = 0.0;
    double high_ = 1.0;
    std::optional<std::size_t> highlighted_;
    std::function<void(std::optional<std::size_t>)> hovered_;
};

}  // namespace veltro::qt
