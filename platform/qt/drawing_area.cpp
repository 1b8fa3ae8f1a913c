#include "drawing_area.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "core/editor_core.h"
#include "geometry/float_to_int.h"

namespace veltro::qt {

namespace {

constexpr int kWidth = static_cast<int>(EditorCore::kWidth);
constexpr int kHeight = static_cast<int>(EditorCore::kHeight);

// The frame pixel each of the area's first pixels along one axis shows,
// until the frame ends.
std::vector<int> framePixelsShown(int areaExtent, int frameExtent, double scale) {
    std::vector<int> shown;
    for (int at = 0; at < areaExtent; ++at) {
        const int pixel = framePixelAt(at, scale);
        if (pixel >= frameExtent) {
            break;
        }
        shown.push_back(pixel);
    }
    return shown;
}

}  // namespace

DrawingArea::DrawingArea(MessagePoster post, QWidget* parent)
    : QWidget(parent), post_(std::move(post)), shown_(kWidth, kHeight, QImage::Format_RGB32) {
    shown_.fill(Qt::white);
    setCursor(Qt::CrossCursor);
    // Moves matter without a button too: the core sees every move over the
    // area, as a native window procedure would.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize DrawingArea::sizeHint() const {
    const double scale = zoom_.fits() ? 1.0 : this->scale();
    return {truncToInt(std::ceil(kWidth * scale)), truncToInt(std::ceil(kHeight * scale))};
}

void DrawingArea::showFrame(const std::vector<std::uint32_t>& words) {
    if (words.size() != static_cast<std::size_t>(kWidth) * kHeight) {
        return;
    }
    // The frame's words are Format_RGB32's own layout; the copy keeps the
    // picture when the core draws the next frame.
    std::memcpy(shown_.bits(), words.data(), words.size() * sizeof(words[0]));
    enlarged_ = QImage();
    repaint();
}

void DrawingArea::setZoom(Zoom zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    enlarged_ = QImage();
    update();
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
    enlarged_ = QImage();
    QWidget::resizeEvent(event);
}

const QImage& DrawingArea::enlargedFrame(double scale) {
    if (!enlarged_.isNull()) {
        return enlarged_;
    }
    // Which frame column and row each shown one comes from, up to the
    // frame's far edge or the area's, whichever is nearer.
    const std::vector<int> columns = framePixelsShown(width(), kWidth, scale);
    const std::vector<int> rows = framePixelsShown(height(), kHeight, scale);
    enlarged_ = QImage(static_cast<int>(columns.size()), static_cast<int>(rows.size()),
                       QImage::Format_RGB32);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(shown_.constScanLine(rows[y]));
        auto* to = reinterpret_cast<QRgb*>(enlarged_.scanLine(static_cast<int>(y)));
        for (std::size_t x = 0; x < columns.size(); ++x) {
            to[x] = from[columns[x]];
        }
    }
    return enlarged_;
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const double scale = this->scale();
    const QImage& shown = scale == 1.0 ? shown_ : enlargedFrame(scale);
    const QRegion beyond = QRegion(event->rect()).subtracted(shown.rect());
    for (const QRect& rect : beyond) {
        painter.fillRect(rect, Qt::white);
    }
    painter.drawImage(QPoint(0, 0), shown);
}

QPoint DrawingArea::framePixel(QPointF position) const {
    // As a native mouse message reports it at the actual size; positions
    // beyond the area (a held button keeps the mouse) map on as they are,
    // negative ones included.
    const double scale = this->scale();
    return QPoint(framePixelAt(std::floor(position.x()), scale),
                  framePixelAt(std::floor(position.y()), scale));
}

void DrawingArea::post(Message::Kind kind, const QMouseEvent& event) {
    const QPoint pixel = framePixel(event.position());
    post_(Message::mouse(kind, static_cast<float>(pixel.x()), static_cast<float>(pixel.y())));
}

void DrawingArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        post(Message::Kind::LeftPress, *event);
    }
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event) {
    post(Message::Kind::MouseMove, *event);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        post(Message::Kind::LeftRelease, *event);
    }
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is not a press; the base class
    // would turn it into one.
    if (event->button() == Qt::LeftButton) {
        post(Message::Kind::LeftDoubleClick, *event);
    }
}

}  // namespace veltro::qt
