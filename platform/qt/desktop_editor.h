#pragma once

#include <memory>

#include "compare_window.h"
#include "core/clock.h"
#include "core/editor_core.h"
#include "core/method_pictures.h"
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
    // The comparison window while it is open; null otherwise.
    CompareWindow* compareWindow() { return compare_; }

  private:
    bool pumpEvents() override;
    void setComparisonOpen(bool open);
    void showComparison();

    MainWindow window_;
    QtShell shell_;
    DesktopCore desktop_;
    int framesPresented_ = 0;
    // Both exist only while the comparison is open, so a closed one costs
    // neither memory nor time.
    CompareWindow* compare_ = nullptr;
    std::unique_ptr<MethodPictures> pictures_;
};

}  // namespace veltro::qt
