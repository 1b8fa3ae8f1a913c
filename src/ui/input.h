#pragma once

#include "ui/editor_state.h"
#include "ui/message.h"
#include "ui/shell.h"

namespace veltro {

// The window procedure's logic: one message changes the state, calls the
// shell where the program shows something, and requests redraws. It never
// draws.
void handleMessage(EditorState& state, Shell& shell, const Message& message);

}  // namespace veltro
