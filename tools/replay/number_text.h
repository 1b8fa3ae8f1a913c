#pragma once

#include <cstdio>
#include <string>

namespace veltro::replay {

// Nine significant digits read back as the same float.
inline void appendFloat(std::string& out, float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    out += text;
}

}  // namespace veltro::replay
