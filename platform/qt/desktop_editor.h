#pragma once

#include <optional>
#include <string>

#include "core/clock.h"
#include "core/editor_core.h"
#include "launch/scene_clock.h"
#include "launch/scene_file.h"
#include "launch/scene_shell.h"
#include "main_window.h"
#include "qt_shell.h"

namespace veltro::qt {

// The whole program minus its entry point: the window, its shell and the
// editor core they host. Qt runs inside the core's turns: pending events are
// delivered before the turn takes its message, and during the frame wait by
// the sleeper.
class DesktopEditor final : private EventPump {
  public:
    DesktopEditor(Clock& clock, Sleeper& sleeper);
    DesktopEditor(const DesktopEditor&) = delete;
    DesktopEditor& operator=(const DesktopEditor&) = delete;

    // Plays a scene before the window is shown; the complaint if it cannot
    // be played, and then the window is not to be shown.
    std::optional<std::string> openScene(const SceneFile& scene);
    // Shows the window with the last frame drawn, if any, and the dialogs an
    // opened scene left open.
    void show();
    // Runs turns until the window has been closed; the exit code.
    int run();
    // One turn, presenting the frame it drew and the check marks of the state
    // it left; true when it drew a frame.
    bool turn();

    EditorCore& core() { return core_; }
    MainWindow& window() { return window_; }
    int framesPresented() const { return framesPresented_; }

  private:
    bool pumpEvents() override;

    MainWindow window_;
    QtShell shell_;
    SceneShell sceneShell_{shell_};
    SceneClock sceneClock_;
    EditorCore core_;
    int framesPresented_ = 0;
};

}  // namespace veltro::qt
