#pragma once

#include <optional>
#include <string>

#include "core/editor_core.h"
#include "ui/message.h"

namespace veltro {

// Plays one message of a replay script: posts it and runs one turn. A
// script cannot know the ids the editor gives its dialogs, so a dialog
// answer goes to the newest dialog still open; with none open nothing
// happens and the result is the complaint, without the line.
std::optional<std::string> playScriptStep(EditorCore& core, const Message& message);

}  // namespace veltro
