#pragma once

#include <string>

#include "ui/command.h"
#include "ui/editor_state.h"
#include "ui/shell.h"

namespace veltro {

// One menu command: changes the state, shows message boxes and resets the
// title through the shell, in the order the user sees them.
void runCommand(EditorState& state, Shell& shell, Command command);

// What an Object menu item does to the state besides the title: the method,
// and the slider or B-spline setup that method starts afresh with.
void chooseMethod(EditorState& state, CurveMethod method);

// The About box's text: the program, its version and what it does.
std::string aboutText();

}  // namespace veltro
