#pragma once

#include <cstdint>

#include "core/clock.h"

namespace veltro::web {

// The page's clock (performance.now) in whole milliseconds. The page starts
// a turn only when the core says its interval is over, reading this same
// clock, so the wait in the turn has nothing left to do and sleepMs is not
// reached. Were it reached, a page cannot sleep: it would spin.
class PageClock final : public Clock, public Sleeper {
  public:
    std::uint32_t nowMs() override;
    void sleepMs(std::uint32_t ms) override;
};

}  // namespace veltro::web
