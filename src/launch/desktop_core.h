#pragma once

#include <optional>
#include <string>

#include "core/clock.h"
#include "core/editor_core.h"
#include "launch/scene_clock.h"
#include "launch/scene_file.h"
#include "launch/scene_shell.h"
#include "ui/shell.h"

namespace veltro {

// The editor core as a desktop program hosts it, able to play an opened
// scene before the window shows: one turn per message, no waiting, message
// boxes dismissed, as the replay tool plays it. The dialogs the scene opens
// wait until the window shows.
class DesktopCore {
  public:
    // The shell, clock, sleeper and pump are the host's, as EditorCore
    // takes them.
    DesktopCore(Shell& shell, Clock& clock, Sleeper& sleeper, EventPump* pump);
    DesktopCore(const DesktopCore&) = delete;
    DesktopCore& operator=(const DesktopCore&) = delete;

    EditorCore& core() { return core_; }
    const EditorCore& core() const { return core_; }
    // The shell the editor talks to: the host's, once the scene has ended.
    Shell& shell() { return sceneShell_; }

    // A `close` in the scene ends the scene, not the session. On failure
    // the complaint names the file and the line, and the window is not to
    // be shown.
    std::optional<std::string> playScene(const SceneFile& scene);
    // Once the window shows: opens the dialogs the scene left open and lets
    // every call through to the host's shell from now on.
    void endScene() { sceneShell_.endScene(core_); }

  private:
    SceneShell sceneShell_;
    SceneClock sceneClock_;
    EditorCore core_;
};

}  // namespace veltro
