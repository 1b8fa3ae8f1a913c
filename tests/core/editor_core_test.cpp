#include "core/editor_core.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/message_queue.h"
#include "ui/bspline_dialog.h"
#include "ui/message.h"
#include "ui/recording_shell.h"

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

// A window system whose every pump takes workMs of the clock.
class SlowPump final : public EventPump {
  public:
    explicit SlowPump(FakeTime& time) : time_(time) {}
    bool pumpEvents() override {
        time_.pass(workMs);
        return false;
    }
    std::uint32_t workMs = 0;

  private:
    FakeTime& time_;
};

// Input that arrives while the core waits, as a window system delivers it.
class ArrivingInput final : public Sleeper {
  public:
    explicit ArrivingInput(FakeTime& time) : time_(time) {}
    void sleepMs(std::uint32_t ms) override {
        time_.pass(ms);
        for (const Message& message : arriving) {
            core->post(message);
        }
        arriving.clear();
    }
    EditorCore* core = nullptr;
    std::vector<Message> arriving;

  private:
    FakeTime& time_;
};

Message space() {
    return Message::keyDown(Key::Space);
}

Message press(float x, float y) {
    return Message::mouse(Message::Kind::LeftPress, x, y);
}

struct Fixture {
    explicit Fixture(std::uint32_t start) : time(start), core(shell, time, time) {}
    FakeTime time;
    RecordingShell shell;
    EditorCore core;
};

TEST(EditorCore, WholeMillisecondClockEndsTheWaitAt34) {
    Fixture f(1000);
    f.core.turn();
    EXPECT_EQ(f.core.previousFrameTime(), 1034u);
    f.core.turn();
    EXPECT_EQ(f.core.previousFrameTime(), 1068u);

    // Woken every millisecond: 33 ms is still short of 33.333332.
    FakeTime coarse(0);
    ShortSleeper naps(coarse);
    RecordingShell shell;
    EditorCore napping(shell, coarse, naps);
    napping.turn();
    EXPECT_EQ(napping.previousFrameTime(), 34u);
}

TEST(EditorCore, SaysHowLongTheNextTurnWouldWait) {
    Fixture f(0xFFFFFFF0u);  // across the clock's wrap as well
    f.core.turn();
    for (const auto& [passed, expected] : {std::pair{0u, 34u}, {20u, 14u}, {13u, 1u}, {1u, 0u}}) {
        f.time.pass(passed);
        EXPECT_EQ(f.core.msUntilNextTurn(), expected);
    }
    f.time.sleeps.clear();
    f.core.turn();  // started when it said 0: no sleep at all
    EXPECT_TRUE(f.time.sleeps.empty());
}

TEST(EditorCore, SleepsRatherThanSpinsAcrossTheClockWrap) {
    Fixture f(0xFFFFFFF0u);
    f.core.turn();
    EXPECT_EQ(f.core.previousFrameTime(), 0xFFFFFFF0u + 34u);  // wrapped to 0x12
    EXPECT_EQ(f.time.sleeps, (std::vector<std::uint32_t>{34}));
}

TEST(EditorCore, WorkCountsTowardTheIntervalWithoutCatchingUp) {
    FakeTime time(0);
    SlowPump pump(time);
    RecordingShell shell;
    EditorCore core(shell, time, time, &pump);
    pump.workMs = 50;
    core.turn();  // the wait comes first; then 50 ms of work
    EXPECT_EQ(core.previousFrameTime(), 34u);
    pump.workMs = 60;
    core.turn();  // the work took the whole interval: no sleep
    EXPECT_EQ(core.previousFrameTime(), 84u);
    pump.workMs = 10;
    core.turn();  // late, yet the next interval is not shortened
    EXPECT_EQ(core.previousFrameTime(), 144u);
    core.turn();  // measured from the end of the previous wait
    EXPECT_EQ(core.previousFrameTime(), 178u);
    EXPECT_EQ(time.sleeps, (std::vector<std::uint32_t>{34, 24}));
}

TEST(EditorCore, HandlesOneMessagePerTurnAndDrawsOncePerRequest) {
    Fixture f(0);
    EXPECT_FALSE(f.core.turn());
    EXPECT_EQ(f.core.framesDrawn(), 0);
    for (int i = 0; i < 3; ++i) {
        f.core.post(space());
    }
    for (std::size_t left : {2u, 1u, 0u}) {
        EXPECT_TRUE(f.core.turn());
        EXPECT_EQ(f.core.queue().size(), left);
    }
    EXPECT_FALSE(f.core.turn());
    EXPECT_EQ(f.core.framesDrawn(), 3);
}

TEST(EditorCore, InputFromTheWaitIsDrawnAtTheEndOfThatTurn) {
    FakeTime time(0);
    ArrivingInput sleeper(time);
    RecordingShell shell;
    EditorCore core(shell, time, sleeper);
    sleeper.core = &core;
    sleeper.arriving = {press(100, 100)};
    EXPECT_TRUE(core.turn());
    EXPECT_EQ(core.state().controlPoints.size(), 1u);
    EXPECT_EQ(core.previousFrameTime(), 34u);
}

TEST(EditorCore, IdleMessagesPassWithoutUsingUpTheTurn) {
    Fixture f(0);
    for (const Message& idle : {
             Message::mouse(Message::Kind::MouseMove, 50, 50),    // no button down
             Message::mouse(Message::Kind::LeftRelease, 50, 50),  // nothing held
             Message::mouse(Message::Kind::LeftDoubleClick, 50, 50),
             Message::keyDown(Key::Other),   // a key the editor ignores
             Message::keyDown(Key::Plus),    // the slider is off
             Message::dialogOk(7, "3", ""),  // no such dialog
         }) {
        f.core.post(idle);
    }
    f.core.post(press(100, 100));
    f.core.post(press(200, 200));
    EXPECT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.state().controlPoints.size(), 1u);  // one change per turn
    EXPECT_EQ(f.core.queue().size(), 1u);
    EXPECT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.state().controlPoints.size(), 2u);
    EXPECT_EQ(f.core.framesDrawn(), 2);
    EXPECT_TRUE(f.shell.events().empty());
}

TEST(EditorCore, APressBeyondTheDrawingAreaAddsNoPointAndDrawsNothing) {
    Fixture f(0);
    for (const Message& beyond :
         {press(640, 100), press(-0.5f, 100), press(100, 480), press(100, -1), press(900, 581)}) {
        f.core.post(beyond);
        f.core.post(Message::mouse(Message::Kind::LeftRelease, beyond.x, beyond.y));
    }
    for (int i = 0; i < 10; ++i) {
        f.core.turn();
    }
    EXPECT_TRUE(f.core.state().controlPoints.empty());
    EXPECT_EQ(f.core.framesDrawn(), 0);
    // The area's last pixel still takes a point.
    f.core.post(press(639.5f, 479.5f));
    EXPECT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.state().controlPoints.size(), 1u);
}

// With many points the dialog shows more knots than anyone types; OK
// without editing keeps every one of them, and the picture with them, while
// a text typed into a dialog that showed a short list keeps its limit.
TEST(EditorCore, OkOnALongUneditedKnotListKeepsTheKnotsAndThePicture) {
    Fixture f(0);
    for (int i = 0; i < 1100; ++i) {
        f.core.state().controlPoints.push_back(ControlPoint(
            Point2(static_cast<float>(20 + i % 600), static_cast<float>(20 + (i * 7) % 440)),
            ControlPoint::kRadius));
    }
    f.core.post(Message::menu(Command::BSpline));
    f.core.post(Message::menu(Command::BSplineSetup));
    ASSERT_TRUE(f.core.turn());
    f.core.turn();
    const std::vector<std::uint32_t> before = f.core.framePixels();
    const KnotSequence knots = f.core.state().workingKnots;
    const auto dialogs = f.shell.eventsOf(RecordingShell::Event::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    ASSERT_GT(dialogs[0].second.size(), kKnotTextLimit);
    f.core.post(Message::dialogOk(dialogs[0].id, dialogs[0].first, dialogs[0].second));
    ASSERT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.state().knotSequence, knots);
    EXPECT_EQ(f.core.framePixels(), before);

    f.core.state().controlPoints.erase(f.core.state().controlPoints.begin() + 5,
                                       f.core.state().controlPoints.end());
    f.core.post(space());
    f.core.turn();
    f.core.post(Message::menu(Command::BSplineSetup));
    f.core.turn();
    const int shortDialog = f.shell.eventsOf(RecordingShell::Event::Kind::Dialog).back().id;
    f.core.post(Message::dialogOk(shortDialog, "3", dialogs[0].second));
    f.core.turn();
    EXPECT_EQ(f.core.state().knotSequence,
              parseKnotText(dialogs[0].second.substr(0, kKnotTextLimit)));
}

TEST(EditorCore, AFloodOfIdleMessagesCannotHoldUpTheFrames) {
    Fixture f(0);
    for (int i = 0; i < 100; ++i) {
        f.core.post(i % 2 == 0 ? Message::keyDown(Key::Other)
                               : Message::mouse(Message::Kind::LeftDoubleClick, 1, 1));
    }
    f.core.post(press(100, 100));
    EXPECT_FALSE(f.core.turn());
    EXPECT_EQ(f.core.queue().size(), 101u - EditorCore::kMostMessagesPerTurn);
    EXPECT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.state().controlPoints.size(), 1u);
}

TEST(EditorCore, KeepsTheLastFrameUntilTheNextIsDrawn) {
    Fixture f(0);
    for (std::uint32_t word : f.core.framePixels()) {
        ASSERT_EQ(word, 0xFFFFFFFFu);
    }
    f.core.post(press(100, 100));
    ASSERT_TRUE(f.core.turn());
    const std::vector<std::uint32_t> withPoint = f.core.framePixels();
    EXPECT_NE(withPoint, std::vector<std::uint32_t>(withPoint.size(), 0xFFFFFFFFu));
    f.core.post(Message::mouse(Message::Kind::LeftRelease, 100, 100));
    EXPECT_FALSE(f.core.turn());
    EXPECT_EQ(f.core.framePixels(), withPoint);
    // Redrawn from a white buffer, not over the old frame.
    f.core.post(Message::menu(Command::ClearPoints));
    ASSERT_TRUE(f.core.turn());
    EXPECT_EQ(f.core.framePixels(), std::vector<std::uint32_t>(withPoint.size(), 0xFFFFFFFFu));
}

// Frames nobody looked at are painted once, when looked at, from the scene
// as the last drawing turn left it: later changes that drew nothing do not
// show, and the pixels equal those of a core whose every frame was seen.
TEST(EditorCore, AFrameLookedAtLateIsTheLastOneDrawn) {
    Fixture seen(0);
    Fixture unseen(0);
    for (const float x : {100.0f, 300.0f, 500.0f}) {
        for (Fixture* f : {&seen, &unseen}) {
            f->core.post(press(x, 200));
            ASSERT_TRUE(f->core.turn());
            f->core.post(Message::mouse(Message::Kind::LeftRelease, x, 200));
            f->core.turn();
        }
        seen.core.framePixels();
    }
    unseen.core.state().controlPoints.pop_back();
    EXPECT_EQ(unseen.core.framePixels(), seen.core.framePixels());
    EXPECT_EQ(unseen.core.lastFrame().discs.size(), 3u);
}

TEST(EditorCore, PendingRedrawIsDrawnOnTheQuitTurn) {
    Fixture f(0);
    f.core.state().redrawRequested = true;
    f.core.post(Message::close());
    EXPECT_TRUE(f.core.turn());
    EXPECT_TRUE(f.core.quitRequested());
    EXPECT_EQ(f.core.framesDrawn(), 1);
    EXPECT_EQ(f.core.previousFrameTime(), 34u);  // the wait still ran
}

Message move(float x, float y) {
    return Message::mouse(Message::Kind::MouseMove, x, y);
}

TEST(MessageQueue, CoalescesOnlyConsecutiveMoves) {
    MessageQueue queue;
    queue.post(move(1, 1));
    queue.post(move(2, 2));
    queue.post(move(3, 3));
    queue.post(Message::mouse(Message::Kind::LeftPress, 3, 3));
    queue.post(move(4, 4));
    queue.post(space());
    queue.post(move(5, 5));
    queue.post(move(-6, -7));

    struct Expected {
        Message::Kind kind;
        float x;
        float y;
    };
    const std::vector<Expected> expected = {
        {Message::Kind::MouseMove, 3, 3},   {Message::Kind::LeftPress, 3, 3},
        {Message::Kind::MouseMove, 4, 4},   {Message::Kind::KeyDown, 0, 0},
        {Message::Kind::MouseMove, -6, -7},
    };
    ASSERT_EQ(queue.size(), expected.size());
    for (const Expected& e : expected) {
        const auto taken = queue.take();
        ASSERT_TRUE(taken.has_value());
        EXPECT_EQ(taken->kind, e.kind);
        EXPECT_EQ(taken->x, e.x);
        EXPECT_EQ(taken->y, e.y);
    }
    EXPECT_FALSE(queue.take().has_value());
    // A move posted after the queue drained is not merged into anything.
    queue.post(move(8, 8));
    EXPECT_EQ(queue.size(), 1u);
}

TEST(MessageQueue, MergesAutoRepeatsOfAKeyWhileOneIsWaiting) {
    MessageQueue queue;
    queue.post(Message::keyDown(Key::Plus));
    queue.post(Message::keyDown(Key::Plus));  // two presses: both count
    for (int i = 0; i < 5; ++i) {
        queue.post(Message::keyDown(Key::Plus, true));
    }
    queue.post(Message::keyDown(Key::Minus, true));  // another key's repeat
    queue.post(Message::keyDown(Key::Plus, true));
    const std::vector<std::pair<Key, bool>> expected = {
        {Key::Plus, false}, {Key::Plus, false}, {Key::Plus, true}, {Key::Minus, true}};
    ASSERT_EQ(queue.size(), expected.size());
    for (const auto& [key, repeat] : expected) {
        const auto taken = queue.take();
        EXPECT_EQ(taken->key, key);
        EXPECT_EQ(taken->repeat, repeat);
    }
    // Once the waiting repeat has been taken, the next one is queued again.
    queue.post(Message::keyDown(Key::Plus, true));
    EXPECT_EQ(queue.size(), 1u);
}

}  // namespace
}  // namespace veltro
