#pragma once

#include <string>

#include "ui/command.h"
#include "ui/editor_state.h"
#include "ui/shell.h"

namespace veltro {

// One menu command: changes the state, shows message boxes and resets the
// title through the shell, in the order the user sees them.
void runCommand(EditorState& state, Shell& shell, Command command);

// The About box's text: the program, its version and what it does.
std::string aboutText();

}  // namespace veltro
