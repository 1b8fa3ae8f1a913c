#pragma once

#include <cstdint>

namespace veltro {

// The drawing area in pixels: the frame every host shows, and the window a
// dropped point must lie in.
inline constexpr std::uint32_t kFrameWidth = 640;
inline constexpr std::uint32_t kFrameHeight = 480;

}  // namespace veltro
