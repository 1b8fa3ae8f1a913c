#pragma once

#include <chrono>
#include <cstddef>

namespace veltro::hardening {

// What the fuzz entry point has seen so far in this process.
struct FuzzFigures {
    std::size_t sessions = 0;
    std::size_t messages = 0;
    std::size_t frames = 0;
    std::chrono::nanoseconds longestFrame{0};
    std::size_t peakHeapBytes = 0;
};

const FuzzFigures& fuzzFigures();

// The bound every frame must keep: VELTRO_FRAME_BOUND_MS, 2000 ms when unset.
std::chrono::milliseconds frameBoundFromEnvironment();

}  // namespace veltro::hardening
