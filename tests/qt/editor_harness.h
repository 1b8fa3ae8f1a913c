#pragma once

#include <cstdint>
#include <vector>

#include <QImage>
#include <QString>
#include <QTimer>

#include "core/clock.h"
#include "desktop_editor.h"

namespace veltro::qt::testing {

// The frame wait without the waiting: each sleep handles whatever Qt has
// pending and moves the clock on, so a session takes no real time.
class InstantClock final : public Clock, public Sleeper {
  public:
    std::uint32_t nowMs() override { return now_; }
    void sleepMs(std::uint32_t ms) override;

  private:
    std::uint32_t now_ = 0;
};

// The real editor window on the offscreen platform, driven turn by turn.
class EditorHarness {
  public:
    EditorHarness();

    // Runs turns until every queued message has been handled and no redraw
    // is pending (bounded, so a fault shows as a failed check, not a hang).
    void settle();

    DesktopEditor& editor() { return editor_; }
    MainWindow& window() { return editor_.window(); }
    DrawingArea& area() { return editor_.window().drawingArea(); }
    EditorState& state() { return editor_.core().state(); }
    MessageQueue& queue() { return editor_.core().queue(); }

    // What the drawing area shows in its top-left 640 x 480 pixels, taken
    // by rendering the widget as it paints itself.
    QImage shownPixels();

  private:
    InstantClock clock_;
    DesktopEditor editor_;
};

// Closes every modal message box as soon as it appears, with its OK button,
// and remembers what it showed.
class MessageBoxWatcher {
  public:
    struct Seen {
        QString caption;
        QString text;
        int buttonCount = 0;
        bool modal = false;
        int framesPresentedWhileOpen = 0;
    };

    // framesPresented is read while a box is open, to show that the frame
    // loop is suspended meanwhile.
    explicit MessageBoxWatcher(const DesktopEditor* editor = nullptr);

    const std::vector<Seen>& seen() const { return seen_; }

  private:
    QTimer timer_;
    const DesktopEditor* editor_;
    std::vector<Seen> seen_;
};

}  // namespace veltro::qt::testing
