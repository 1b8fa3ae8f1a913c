#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "ui/message.h"

namespace veltro::qt {

// Where the window's widgets send the messages they make.
using MessagePoster = std::function<void(Message)>;

// The client area: shows the last presented frame at its top-left corner,
// white everywhere else, and turns left-button mouse input into messages.
class DrawingArea final : public QWidget {
  public:
    explicit DrawingArea(MessagePoster post, QWidget* parent = nullptr);

    // Keeps a copy of the core's frame and puts it on screen before
    // returning, so a presented frame is visible when present
    // ends.
    void showFrame(const std::vector<std::uint32_t>& words);
    // What the area shows: the last presented frame, white before the first.
    const QImage& shownFrame() const { return shown_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void post(Message::Kind kind, const QMouseEvent& event);

    MessagePoster post_;
    QImage shown_;
};

}  // namespace veltro::qt
