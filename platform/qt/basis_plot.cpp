#include "basis_plot.h"

#include <algorithm>
#include <cmath>
#include <map>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace veltro::qt {

namespace {

constexpr double kRulerHeight = 36.0;
constexpr double kMargin = 8.0;
// Curves farther than this from the pointer are not under it.
constexpr double kHoverPixels = 6.0;

QColor curveColour(std::size_t i) {
    return QColor::fromHsv(static_cast<int>((i * 47) % 360), 160, 190);
}

}  // namespace

BasisPlot::BasisPlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumHeight(160);
    setAccessibleName(QStringLiteral("Basis functions"));
    setAccessibleDescription(
        QStringLiteral("A plot of every point's weight over the domain; the weights table "
                       "lists their values at t."));
}

void BasisPlot::show(const Inspection& inspection) {
    basis_ = inspection.basisCurves;
    parameter_ = inspection.parameter;
    low_ = 0.0;
    high_ = 1.0;
    if (basis_) {
        for (const auto& curve : basis_->curves) {
            for (const InspectionPoint& s : curve) {
                if (std::isfinite(s.y)) {
                    low_ = std::min(low_, s.y);
                    high_ = std::max(high_, s.y);
                }
            }
        }
    }
    update();
}

void BasisPlot::highlight(std::optional<std::size_t> point) {
    if (highlighted_ != point) {
        highlighted_ = point;
        update();
    }
}

QRectF BasisPlot::plotArea() const {
    const double ruler = basis_ && !basis_->knots.empty() ? kRulerHeight : 0.0;
    return QRectF(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin - ruler);
}

QPointF BasisPlot::toWidget(const InspectionPoint& sample) const {
    const QRectF area = plotArea();
    const double a = parameter_.domainStart;
    const double b = parameter_.domainEnd;
    const double u = b > a ? (sample.x - a) / (b - a) : 0.5;
    const double w = high_ > low_ ? (sample.y - low_) / (high_ - low_) : 0.5;
    return {area.left() + u * area.width(), area.bottom() - w * area.height()};
}

void BasisPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = plotArea();
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawRect(area);
    if (!basis_) {
        painter.setPen(Qt::darkGray);
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("No basis functions to plot."));
        return;
    }
    // Zero and one, where every weight function lives most of the time.
    painter.setPen(QPen(QColor(0xE0, 0xE0, 0xE0), 1, Qt::DashLine));
    for (const double level : {0.0, 1.0}) {
        const double y = toWidget({parameter_.domainStart, level}).y();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    }
    const auto drawCurve = [&](std::size_t i, double width) {
        QPainterPath path;
        bool drawing = false;
        for (const InspectionPoint& s : basis_->curves[i]) {
            if (!std::isfinite(s.x) || !std::isfinite(s.y)) {
                drawing = false;
                continue;
            }
            const QPointF p = toWidget(s);
            drawing ? path.lineTo(p) : path.moveTo(p);
            drawing = true;
        }
        painter.setPen(QPen(curveColour(i), width));
        painter.drawPath(path);
    };
    for (std::size_t i = 0; i < basis_->curves.size(); ++i) {
        if (i != highlighted_) {
            drawCurve(i, 1.2);
        }
    }
    if (highlighted_ && *highlighted_ < basis_->curves.size()) {
        drawCurve(*highlighted_, 3.0);
    }
    // The t in use.
    const double tx = toWidget({parameter_.t, 0.0}).x();
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(QPointF(tx, area.top()), QPointF(tx, area.bottom()));
    // The knot ruler: a tick per knot, repeated knots as stacked dots.
    if (!basis_->knots.empty()) {
        const double rulerY = area.bottom() + 10;
        painter.drawLine(QPointF(area.left(), rulerY), QPointF(area.right(), rulerY));
        std::map<double, int> stacked;
        for (const double knot : basis_->knots) {
            if (!std::isfinite(knot)) {
                continue;
            }
            const int level = stacked[knot]++;
            const double x = toWidget({knot, 0.0}).x();
            if (x < area.left() - 1 || x > area.right() + 1) {
                continue;
            }
            painter.setBrush(Qt::black);
            painter.drawEllipse(QPointF(x, rulerY + 5 + 5 * std::min(level, 4)), 2.0, 2.0);
        }
    }
}

std::optional<std::size_t> BasisPlot::curveNear(const QPointF& at) const {
    if (!basis_) {
        return std::nullopt;
    }
    std::optional<std::size_t> nearest;
    double best = kHoverPixels;
    for (std::size_t i = 0; i < basis_->curves.size(); ++i) {
        for (const InspectionPoint& s : basis_->curves[i]) {
            if (!std::isfinite(s.x) || !std::isfinite(s.y)) {
                continue;
            }
            const QPointF p = toWidget(s);
            const double d = std::hypot(p.x() - at.x(), p.y() - at.y());
            if (d < best) {
                best = d;
                nearest = i;
            }
        }
    }
    return nearest;
}

void BasisPlot::mouseMoveEvent(QMouseEvent* event) {
    const auto near = curveNear(event->position());
    highlight(near);
    if (hovered_) {
        hovered_(near);
    }
}

void BasisPlot::leaveEvent(QEvent*) {
    if (hovered_) {
        hovered_(std::nullopt);
    }
}

}  // namespace veltro::qt
