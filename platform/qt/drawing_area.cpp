#include "drawing_area.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

#include <QMouseEvent>
#include <QPainter>

#include "core/editor_core.h"

namespace veltro::qt {

namespace {

constexpr int kWidth = static_cast<int>(EditorCore::kWidth);
constexpr int kHeight = static_cast<int>(EditorCore::kHeight);

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
    return {kWidth, kHeight};
}

void DrawingArea::showFrame(const std::vector<std::uint32_t>& words) {
    if (words.size() != static_cast<std::size_t>(kWidth) * kHeight) {
        return;
    }
    // The frame's words are Format_RGB32's own layout; the copy keeps the
    // picture when the core draws the next frame.
    std::memcpy(shown_.bits(), words.data(), words.size() * sizeof(words[0]));
    repaint(0, 0, kWidth, kHeight);
}

void DrawingArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion beyond = QRegion(event->rect()).subtracted(QRect(0, 0, kWidth, kHeight));
    for (const QRect& rect : beyond) {
        painter.fillRect(rect, Qt::white);
    }
    painter.drawImage(QPoint(0, 0), shown_);
}

void DrawingArea::post(Message::Kind kind, const QMouseEvent& event) {
    // The pixel under the cursor, as a native mouse message reports it;
    // positions beyond the area (a held button keeps the mouse) stay as
    // they are, negative ones included.
    const QPointF position = event.position();
    post_(Message::mouse(kind, static_cast<float>(std::floor(position.x())),
                         static_cast<float>(std::floor(position.y()))));
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
