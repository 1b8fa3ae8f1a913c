#pragma once

#include <string_view>

namespace veltro {

// Keep in step with the project version in the top-level CMakeLists.txt.
inline constexpr std::string_view kApplicationVersion = "1.0.0";

}  // namespace veltro
