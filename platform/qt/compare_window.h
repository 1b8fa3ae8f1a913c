#pragma once

#include <array>
#include <functional>

#include <QImage>
#include <QWidget>

#include "core/method_pictures.h"
#include "curves/curve_method.h"

class QCheckBox;

namespace veltro::qt {

// One picture of the comparison, scaled to fit with its proportions kept;
// a click on it calls back.
class MethodPictureView final : public QWidget {
  public:
    MethodPictureView(std::function<void()> clicked, QWidget* parent);

    void showPicture(const std::vector<std::uint32_t>& words);
    const QImage& picture() const { return picture_; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::function<void()> clicked_;
    QImage picture_;
};

// "Compare Methods": every method's frame of the editor's points in a 3 x 2
// grid in the Object menu's order, each under its name and colour, and the
// curves of the methods ticked below the overlay, drawn on one picture. It
// only shows pictures it is given; clicking one asks for that method.
class CompareWindow final : public QWidget {
  public:
    struct Callbacks {
        std::function<void(CurveMethod)> choose;
        std::function<void()> overlayChanged;
        std::function<void()> closed;
    };

    CompareWindow(Callbacks callbacks, QWidget* parent);

    void showPictures(const MethodPictures& pictures);
    MethodSet overlaid() const;

    MethodPictureView& methodView(CurveMethod method) {
        return *methodViews_[static_cast<std::size_t>(method)];
    }
    MethodPictureView& overlayView() { return *overlayView_; }
    QCheckBox& overlayBox(CurveMethod method) {
        return *overlayBoxes_[static_cast<std::size_t>(method)];
    }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Callbacks callbacks_;
    std::array<MethodPictureView*, kCurveMethodCount> methodViews_{};
    std::array<QCheckBox*, kCurveMethodCount> overlayBoxes_{};
    MethodPictureView* overlayView_ = nullptr;
};

}  // namespace veltro::qt
