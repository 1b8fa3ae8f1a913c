#include "core/clock.h"

#include <chrono>
#include <thread>

namespace veltro {

std::uint32_t SteadyClock::nowMs() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ms));
}

void ThreadSleeper::sleepMs(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace veltro
