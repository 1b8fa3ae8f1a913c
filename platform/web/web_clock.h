#pragma once

#include <cstdint>

#include "core/clock.h"

namespace veltro::web {

// The page's clock (performance.now) in whole milliseconds. The page starts
// a turn only when the frame interval is over, so the wait in the turn has
// nothing left to do; should a reading fall short by a fraction, the
// remainder is spun off here, since a page cannot sleep.
class PageClock final : public Clock, public Sleeper {
  public:
    std::uint32_t nowMs() override;
    void sleepMs(std::uint32_t ms) override;
};

}  // namespace veltro::web
