#pragma once

#include "core/clock.h"

namespace veltro {

// The host's clock, which an opened scene plays through without waiting:
// while fast, a sleep moves this clock on instead of waiting. Time stays
// monotonic afterwards; it is only ahead of the host's by the skipped waits.
class SceneClock final : public Clock, public Sleeper {
  public:
    SceneClock(Clock& clock, Sleeper& sleeper) : clock_(clock), sleeper_(sleeper) {}

    void setFast(bool fast) { fast_ = fast; }

    std::uint32_t nowMs() override { return clock_.nowMs() + skipped_; }
    void sleepMs(std::uint32_t ms) override {
        if (fast_) {
            skipped_ += ms == 0 ? 1 : ms;
        } else {
            sleeper_.sleepMs(ms);
        }
    }

  private:
    Clock& clock_;
    Sleeper& sleeper_;
    bool fast_ = false;
    std::uint32_t skipped_ = 0;
};

}  // namespace veltro
