#pragma once

#include <optional>

#include "ui/command.h"

namespace veltro {

// The numbers the menu gives its commands, read from the menu table (written
// in menu.def). Only the edges speak them: the Windows program's WM_COMMAND
// and menu resource, the page, and the replay format.
int commandId(Command command);

// The command with this number; none for a number the menu does not use.
std::optional<Command> commandWithId(long long id);

}  // namespace veltro
