#pragma once

#include <charconv>
#include <version>

namespace veltro::replay {

// std::from_chars for a float in the general format. Standard libraries
// without it (the WebAssembly toolchain's) get the C library's conversion,
// held to what from_chars accepts: no leading blanks or plus sign, no
// hexadecimal. Both round to nearest.
std::from_chars_result floatFromChars(const char* first, const char* last, float& value);

}  // namespace veltro::replay
