#include "app/frame_loop.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace veltro {
namespace {

// A clock that moves only when something sleeps or works, so a wait that
// spun instead of sleeping would never end; reads are counted to fail such a
// loop instead of hanging.
class FakeTime final : public Clock, public Sleeper {
  public:
    explicit FakeTime(std::uint32_t start) : now_(start) {}

    std::uint32_t nowMs() override {
        if (++reads_ > 10000) {
            ADD_FAILURE() << "the wait spins on the clock";
            now_ += 1000;
        }
        return now_;
    }
    void sleepMs(std::uint32_t ms) override {
        sleeps.push_back(ms);
        now_ += ms;
    }
    void pass(std::uint32_t ms) { now_ += ms; }

    std::vector<std::uint32_t> sleeps;

  private:
    std::uint32_t now_;
    int reads_ = 0;
};

// A sleeper that wakes after one millisecond whatever it was asked for.
class ShortSleeper final : public Sleeper {
  public:
    explicit ShortSleeper(FakeTime& time) : time_(time) {}
    void sleepMs(std::uint32_t) override { time_.pass(1); }

  private:
    FakeTime& time_;
};

// Messages are plain names; "quit" stops the host, "redraw" requests a frame
// and "slow" takes 50 ms to handle.
class FakeHost final : public FrameHost {
  public:
    explicit FakeHost(FakeTime& time) : time_(time) {}

    void pumpMessage() override {
        ++pumps;
        if (queue.empty()) {
            return;
        }
        const std::string message = queue.front();
        queue.pop_front();
        if (message == "quit") {
            running = false;
        } else if (message == "redraw") {
            redraw = true;
        } else if (message == "slow") {
            time_.pass(50);
        }
    }
    bool redrawRequested() const override { return redraw; }
    void drawFrame() override {
        ++frames;
        redraw = false;
    }
    void present() override { ++presents; }

    std::deque<std::string> queue;
    bool running = true;
    bool redraw = false;
    int pumps = 0;
    int frames = 0;
    int presents = 0;

  private:
    FakeTime& time_;
};

TEST(FrameLoop, WholeMillisecondClockEndsTheWaitAt34) {
    FakeTime time(1000);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    loop.turn(host);
    EXPECT_EQ(loop.previousFrameTime(), 1034u);
    loop.turn(host);
    EXPECT_EQ(loop.previousFrameTime(), 1068u);

    // Woken every millisecond: 33 ms is still short of 33.333332.
    FakeTime coarse(0);
    ShortSleeper naps(coarse);
    FrameLoop napping(coarse, naps);
    napping.start();
    FakeHost other(coarse);
    napping.turn(other);
    EXPECT_EQ(napping.previousFrameTime(), 34u);
}

TEST(FrameLoop, SleepsRatherThanSpins) {
    FakeTime time(500);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    loop.turn(host);
    EXPECT_EQ(time.sleeps, (std::vector<std::uint32_t>{34}));
}

TEST(FrameLoop, IntervalSurvivesTheClockWrap) {
    FakeTime time(0xFFFFFFF0u);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    loop.turn(host);
    EXPECT_EQ(loop.previousFrameTime(), 0xFFFFFFF0u + 34u);  // wrapped to 0x12
    EXPECT_EQ(time.sleeps, (std::vector<std::uint32_t>{34}));
}

TEST(FrameLoop, WorkCountsTowardTheIntervalWithoutCatchingUp) {
    FakeTime time(0);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    host.queue = {"slow", "slow"};
    loop.turn(host);  // 50 ms of handling: the wait ends at once
    EXPECT_EQ(loop.previousFrameTime(), 50u);
    EXPECT_TRUE(time.sleeps.empty());
    time.pass(20);
    loop.turn(host);
    EXPECT_EQ(loop.previousFrameTime(), 120u);
    host.queue = {"x"};
    time.pass(10);
    loop.turn(host);  // measured from the end of the previous wait
    EXPECT_EQ(loop.previousFrameTime(), 154u);
}

TEST(FrameLoop, HandlesOneMessagePerTurn) {
    FakeTime time(0);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    host.queue = {"a", "b", "c"};
    for (std::size_t left : {2u, 1u, 0u, 0u}) {
        loop.turn(host);
        EXPECT_EQ(host.queue.size(), left);
    }
    EXPECT_EQ(host.pumps, 4);
}

TEST(FrameLoop, DrawsOnlyOnRequestAndOncePerRequest) {
    FakeTime time(0);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    EXPECT_FALSE(loop.turn(host));
    EXPECT_EQ(host.frames, 0);
    EXPECT_EQ(host.presents, 0);
    host.queue = {"redraw"};
    EXPECT_TRUE(loop.turn(host));
    EXPECT_FALSE(loop.turn(host));
    EXPECT_EQ(host.frames, 1);
    EXPECT_EQ(host.presents, 1);
}

TEST(FrameLoop, PendingRedrawIsDrawnOnTheQuitTurn) {
    FakeTime time(0);
    FrameLoop loop(time, time);
    loop.start();
    FakeHost host(time);
    host.redraw = true;
    host.queue = {"quit"};
    EXPECT_TRUE(loop.turn(host));
    EXPECT_FALSE(host.running);
    EXPECT_EQ(host.frames, 1);
    EXPECT_EQ(host.presents, 1);
    EXPECT_EQ(loop.previousFrameTime(), 34u);  // the wait still ran
}

}  // namespace
}  // namespace veltro
