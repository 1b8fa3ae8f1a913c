#pragma once

#include <string>
#include <vector>

namespace veltro::win32 {

// The arguments after the program name, in UTF-8.
std::vector<std::string> commandLineArguments();

// Text for whoever started the program: the output (or error) handle it was
// given, else the console it was started from, else a message box.
void tellUser(const std::string& text, bool isError);

// A refusal at start: always a message box, which a program started from
// the desktop needs, and the same text on the error handle or console when
// there is one.
void refuseStart(const std::string& text);

}  // namespace veltro::win32
