#pragma once

#include <cstdint>

namespace veltro {

// The value of x after `count` repetitions of x = x + s in single precision,
// each sum rounded to float exactly as the step-by-step loop would round it,
// but in time proportional to the number of binades crossed, not to count.
// This lets a rasterizer start its walk at the first visible step of a long
// line. Stalls (x + s == x) and non-finite values behave as in the loop.
float addRepeatedly(float x, float s, std::uint64_t count);

}  // namespace veltro
