#pragma once

#include "core/clock.h"

namespace veltro::qt {

// The frame wait. The thread blocks in Qt's event dispatcher until a timer
// ends the wait, so it costs no processor time, yet window events that
// arrive meanwhile (input, exposure, menus) are handled at once: input is
// queued for the next turn and exposed parts are repainted from the last
// presented frame.
class EventSleeper final : public Sleeper {
  public:
    void sleepMs(std::uint32_t ms) override;
};

}  // namespace veltro::qt
