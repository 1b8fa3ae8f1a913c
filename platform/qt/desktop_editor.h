#pragma once

#include "core/clock.h"
#include "core/editor_core.h"
#include "launch/desktop_core.h"
#include "main_window.h"
#include "qt_shell.h"

namespace veltro::qt {

// The Qt window, its shell and the editor core they host; the launch that
// drives it is the one every desktop program shares. Qt runs inside the
// core's turns: pending events are delivered before the turn takes its
// message, and during the frame wait by the sleeper.
class DesktopEditor final : private EventPump {
  public:
    DesktopEditor(Clock& clock, Sleeper& sleeper);
    DesktopEditor(const DesktopEditor&) = delete;
    DesktopEditor& operator=(const DesktopEditor&) = delete;

    // Shows the window with the check marks and the last frame drawn, if
    // any.
    void show();
    // Runs turns until the window has been closed; the exit code.
    int run();
    // One turn, presenting the frame it drew and the check marks of the state
    // it left; true when it drew a frame.
    bool turn();

    DesktopCore& desktop() { return desktop_; }
    EditorCore& core() { return desktop_.core(); }
    MainWindow& window() { return window_; }
    int framesPresented() const { return framesPresented_; }

  private:
    bool pumpEvents() override;

    MainWindow window_;
    QtShell shell_;
    DesktopCore desktop_;
    int framesPresented_ = 0;
};

}  // namespace veltro::qt
