#pragma once

#include <cstdint>

#include "core/clock.h"

namespace veltro::win32 {

// The multimedia timer's millisecond count; it wraps after about 49.7 days,
// which the frame loop's unsigned differences absorb.
class MultimediaClock final : public Clock {
  public:
    std::uint32_t nowMs() override;
};

class SystemSleeper final : public Sleeper {
  public:
    void sleepMs(std::uint32_t ms) override;
};

// Raises the timer resolution to one millisecond for the life of the object,
// so that both the clock and Sleep keep the frame interval close to 33 ms
// instead of rounding it to the default 15.6 ms tick.
class FineTimerResolution {
  public:
    FineTimerResolution();
    ~FineTimerResolution();
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

  private:
    bool raised_;
};

}  // namespace veltro::win32
