#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/command.h"

namespace veltro {

// The numbers the menu gives its commands, read from the menu table (written
// in menu.def). Only the edges speak them: the Windows program's WM_COMMAND
// and menu resource, the page, and the replay format.
int commandId(Command command);

// The command with this number; none for a number the menu does not use.
std::optional<Command> commandWithId(long long id);

// The name scripts give a command, made from its menu text so nobody needs
// a table to write one: lower case, every run of other characters one
// hyphen ("Shells On" is shells-on, "B-Spline Setup" b-spline-setup).
std::string commandName(Command command);

// The command with this name; none for a name the menu does not give.
std::optional<Command> commandWithName(std::string_view name);

}  // namespace veltro
