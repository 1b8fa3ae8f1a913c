#pragma once

#include "ui/command.h"
#include "ui/editor_state.h"

namespace veltro {

// Whether the menu shows a check mark at the command's item. The marks
// follow the state alone, so a front end redraws them from here after every
// message instead of keeping its own copy.
bool isChecked(const EditorState& state, Command command);

}  // namespace veltro
