#pragma once

#include <optional>
#include <string>

#include "ui/message.h"

namespace veltro::replay {

// The script line that gives back this message when read, without the line
// break: `press 12.5 30`, `key plus`, `dialog ok "3" "0, 1"`. A dialog
// answer names no dialog: read back, it goes to the newest one still open.
// Nothing for what a script cannot hold and the editor would ignore anyway:
// a position that is not finite, a key the editor does not react to, a
// command the menu does not have, a text with a NUL.
std::optional<std::string> scriptLine(const Message& message);

}  // namespace veltro::replay
