// Measures how long a left click takes to show: from the moment Qt hands
// the press to the drawing area to the end of the turn that presented the
// next frame (its repaint has been flushed to the window system). Runs the
// real editor with the real clock and frame wait; drive it from outside,
// e.g. under Xvfb with xdotool clicks, and close the window to get the
// summary. Not a test: a tool for the numbers.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

#include <QApplication>
#include <QEvent>

#include "core/clock.h"
#include "desktop_editor.h"
#include "event_sleeper.h"

namespace {

using Clock = std::chrono::steady_clock;

class PressWatch final : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress && !pressedAt) {
            pressedAt = Clock::now();
        }
        return QObject::eventFilter(watched, event);
    }
    std::optional<Clock::time_point> pressedAt;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    veltro::SteadyClock clock;
    veltro::qt::EventSleeper sleeper;
    veltro::qt::DesktopEditor editor(clock, sleeper);
    PressWatch watch;
    editor.window().drawingArea().installEventFilter(&watch);
    editor.show();

    std::vector<double> samples;
    while (!editor.core().quitRequested()) {
        if (editor.turn() && watch.pressedAt) {
            const std::chrono::duration<double, std::milli> ms = Clock::now() - *watch.pressedAt;
            samples.push_back(ms.count());
            std::fprintf(stderr, "click -> frame: %.1f ms\n", ms.count());
            watch.pressedAt.reset();
        }
    }
    if (samples.empty()) {
        std::printf("no clicks measured\n");
        return 0;
    }
    std::sort(samples.begin(), samples.end());
    double sum = 0;
    for (double v : samples) {
        sum += v;
    }
    std::printf("clicks %zu: min %.1f ms, median %.1f ms, mean %.1f ms, max %.1f ms\n",
                samples.size(), samples.front(), samples[samples.size() / 2],
                sum / static_cast<double>(samples.size()), samples.back());
    return 0;
}
