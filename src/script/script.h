#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/message.h"

namespace veltro::replay {

// One message of a replay script and the line it came from. Dialog messages
// carry no dialog id yet: the session aims them at the newest open dialog.
struct ScriptStep {
    int line = 0;
    Message message;
};

struct ScriptError {
    int line = 0;
    std::string what;
};

struct ParsedScript {
    std::vector<ScriptStep> steps;
    std::optional<ScriptError> error;  // set: the script is rejected as a whole
};

// Parses a whole script. The first bad line rejects the script, so nothing
// is played from a script that cannot be played to its end. A UTF-8
// byte-order mark at the start (some editors write one) is skipped.
ParsedScript parseScript(std::string_view text);

// The text without the UTF-8 byte-order mark it may start with.
std::string_view withoutByteOrderMark(std::string_view text);

// The largest key code a script can name.
inline constexpr int kLargestKeyCode = 255;

}  // namespace veltro::replay
