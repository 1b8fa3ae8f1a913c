#pragma once

#include <optional>
#include <string>

#include "core/editor_core.h"
#include "launch/scene_clock.h"
#include "launch/scene_file.h"
#include "launch/scene_shell.h"

namespace veltro {

// Plays an opened scene through the host's own editor, as the replay tool
// plays it: one turn per message, no waiting, message boxes dismissed, a
// dialog answer going to the newest dialog still open. A `close` in the
// scene ends the scene, not the session. On failure, the complaint names
// the file and the line, and the editor is not to be shown. Otherwise the
// host shows its window and then calls shell.endScene(), which opens the
// dialogs the scene left open.
std::optional<std::string> playScene(const SceneFile& scene, EditorCore& core, SceneShell& shell,
                                     SceneClock& clock);

}  // namespace veltro
