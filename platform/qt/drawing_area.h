#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/message.h"
#include "zoom.h"

namespace veltro::qt {

// Where the window's widgets send the messages they make.
using MessagePoster = std::function<void(Message)>;

// The client area: shows the last presented frame at its top-left corner,
// enlarged as the zoom says, white everywhere else, and turns left-button
// mouse input into messages about the frame pixel under the pointer.
class DrawingArea final : public QWidget {
  public:
    explicit DrawingArea(MessagePoster post, QWidget* parent = nullptr);

    // Keeps a copy of the core's frame and puts it on screen before
    // returning, so a presented frame is visible when present
    // ends.
    void showFrame(const std::vector<std::uint32_t>& words);
    // What the area shows: the last presented frame, white before the first.
    const QImage& shownFrame() const { return shown_; }

    // Zooming changes only what the area shows, never the frame.
    void setZoom(Zoom zoom);
    Zoom zoom() const { return zoom_; }
    // Shown pixels per frame pixel at the area's present size.
    double scale() const { return zoom_.scaleIn(size()); }
    // The frame's size at a whole factor (the actual size when fitting the
    // window): the window is made just large enough for it.
    QSize sizeHint() const override;
    // The frame pixel shown at this position of the area, at the present
    // zoom: what a mouse message there would name.
    QPoint framePixel(QPointF position) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

    void resizeEvent(QResizeEvent* event) override;

  private:
    void post(Message::Kind kind, const QMouseEvent& event);
    // The frame as shown at the scale, cut to the area; kept until the
    // frame, the zoom or the area's size changes.
    const QImage& enlargedFrame(double scale);

    MessagePoster post_;
    QImage shown_;
    Zoom zoom_ = Zoom::actualSize();
    QImage enlarged_;
};

}  // namespace veltro::qt
