#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace veltro::replay {

// Exit statuses of veltro-replay.
inline constexpr int kExitOk = 0;
inline constexpr int kExitWriteFailed = 1;  // the session ran; an output could not be written
inline constexpr int kExitBadInput = 2;     // bad arguments or script: nothing written

// The whole program: arguments without the program name; the script is
// read from `in` when it is "-".
int runReplayCommand(const std::vector<std::string>& args, std::FILE* in, std::FILE* out,
                     std::FILE* err);

// The text --help prints.
const char* replayUsage();

}  // namespace veltro::replay
