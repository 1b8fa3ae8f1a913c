#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltro {

// One option of the desktop programs' command line. Both front ends build
// their parsers from the same table, so they accept the same lines.
struct LaunchOption {
    std::string_view name;       // without the leading dashes
    std::string_view valueName;  // empty for a switch
    std::string_view help;
};

inline constexpr LaunchOption kLaunchOptions[] = {
    {"open", "FILE.replay", "play the scene in FILE, then go on in the window"},
    {"record", "FILE.replay", "write what is done in the window to FILE"},
    {"force", "", "let --record replace an existing FILE"},
    {"help", "", "show this help and exit"},
    {"version", "", "show the version and exit"},
};

struct LaunchOptions {
    std::optional<std::string> open;
    std::optional<std::string> record;
    bool force = false;
    bool help = false;
    bool version = false;
};

// The options as given, before the checks that need them all.
struct GivenOptions {
    LaunchOptions options;
    std::vector<std::string> positional;
};

// Reads a command line without the program name: --name, --name VALUE,
// --name=VALUE (or with one dash) and -h; "--" ends the options. The result, or the complaint.
std::optional<std::string> readLaunchArguments(const std::vector<std::string>& args,
                                               GivenOptions& given);

// What every front end checks once its parser has read the line: a bare
// FILE.replay is the scene to open. Returns the complaint, if any.
std::optional<std::string> finishLaunchOptions(GivenOptions& given);

// The full help text, the one-line usage and the version line, each ending
// in a line break.
std::string launchHelpText();
std::string launchUsageLine();
std::string launchVersionText();

// What a bad command line prints: the complaint, the usage, a hint.
std::string launchRefusal(std::string_view complaint);

// The exit status of a refused start: a bad command line or scene file.
inline constexpr int kExitRefused = 2;

}  // namespace veltro
