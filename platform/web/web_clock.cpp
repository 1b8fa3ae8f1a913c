#include "web_clock.h"

#include <emscripten/emscripten.h>

#include <cmath>

namespace veltro::web {

namespace {

double nowExact() {
    return emscripten_get_now();
}

}  // namespace

std::uint32_t PageClock::nowMs() {
    // Modulo 2^32 like any millisecond counter; differences stay right.
    const double ms = std::fmod(std::floor(nowExact()), 4294967296.0);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

void PageClock::sleepMs(std::uint32_t ms) {
    const double until = nowExact() + static_cast<double>(ms);
    while (nowExact() < until) {
    }
}

}  // namespace veltro::web
