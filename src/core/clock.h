#pragma once

#include <cstdint>

namespace veltro {

// A monotonic millisecond clock; differences are taken modulo 2^32.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t nowMs() = 0;
};

// Gives the processor back while the frame wait runs.
class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void sleepMs(std::uint32_t ms) = 0;
};

// The real ones, on std::chrono's steady clock and std::this_thread.
class SteadyClock final : public Clock {
  public:
    std::uint32_t nowMs() override;
};

class ThreadSleeper final : public Sleeper {
  public:
    void sleepMs(std::uint32_t ms) override;
};

// Time for headless sessions: the clock moves only when the loop sleeps, so
// a session takes no real time and every run of it sees the same readings.
class ManualClock final : public Clock, public Sleeper {
  public:
    std::uint32_t nowMs() override { return now_; }
    void sleepMs(std::uint32_t ms) override { now_ += ms == 0 ? 1 : ms; }

  private:
    std::uint32_t now_ = 0;
};

}  // namespace veltro
