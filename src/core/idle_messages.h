#pragma once

#include "ui/editor_state.h"
#include "ui/message.h"

namespace veltro {

// True when handling the message would change nothing at all: no state, no
// redraw request, no call to the shell. Such a message may pass without
// using up a frame turn. Errs towards false: a message wrongly judged to
// change something only costs a turn.
bool changesNothing(const EditorState& state, const Message& message);

}  // namespace veltro
