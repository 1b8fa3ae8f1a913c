#include "app/frame_loop.h"

#include <cmath>

#include "geometry/float_to_int.h"

namespace veltro {

bool FrameLoop::turn(FrameHost& host) {
    host.pumpMessage();
    waitForInterval();
    if (!host.redrawRequested()) {
        return false;
    }
    host.drawFrame();
    host.present();
    return true;
}

void FrameLoop::waitForInterval() {
    std::uint32_t now = clock_.nowMs();
    // Unsigned difference: correct across the 2^32 wrap of the clock.
    std::uint32_t elapsed = now - previous_;
    while (static_cast<float>(elapsed) < kFrameIntervalMs) {
        const float remaining = kFrameIntervalMs - static_cast<float>(elapsed);
        // Never sleeps past the end of the interval by more than the clock's
        // own millisecond; a sleep that ends early just goes round again.
        sleeper_.sleepMs(static_cast<std::uint32_t>(truncToInt(std::ceil(remaining))));
        now = clock_.nowMs();
        elapsed = now - previous_;
    }
    previous_ = now;
}

}  // namespace veltro
