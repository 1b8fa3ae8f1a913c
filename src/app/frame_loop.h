#pragma once

#include <cstdint>

#include "app/clock.h"

namespace veltro {

// What one turn of the loop asks of its host.
class FrameHost {
  public:
    virtual ~FrameHost() = default;
    // Handle at most one pending message.
    virtual void pumpMessage() = 0;
    virtual bool redrawRequested() const = 0;
    // Rebuild and paint the scene (clears the request), then show it and
    // clear the buffer to white.
    virtual void drawFrame() = 0;
    virtual void present() = 0;
};

// The paced frame loop, one turn at a time: pump one message, wait until
// 33.333332 ms have passed since the previous wait ended, then draw and
// present only when a redraw was requested.
class FrameLoop {
  public:
    static constexpr float kFrameIntervalMs = 33.333332f;

    FrameLoop(Clock& clock, Sleeper& sleeper) : clock_(clock), sleeper_(sleeper) {}

    // Reads the clock once; call before the first turn.
    void start() { previous_ = clock_.nowMs(); }

    // Returns true when the turn drew a frame.
    bool turn(FrameHost& host);

    std::uint32_t previousFrameTime() const { return previous_; }

  private:
    void waitForInterval();

    Clock& clock_;
    Sleeper& sleeper_;
    std::uint32_t previous_ = 0;
};

}  // namespace veltro
