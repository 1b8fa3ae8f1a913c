#include "core/idle_messages.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>
#include <vector>

#include "core/clock.h"
#include "core/editor_core.h"
#include "ui/command.h"
#include "ui/input.h"
#include "ui/recording_shell.h"
#include "ui/state_snapshot.h"

namespace veltro {
namespace {

using testing_support::Snapshot;

// Messages of every kind, at positions that often hit the points, the
// window's edges or nothing a window could report.
Message randomMessage(std::mt19937& random) {
    constexpr std::array kPositions{100.0f, 104.0f, 200.0f, 0.0f, -30.0f, 639.0f, 1e30f};
    constexpr std::array kKeys{Key::Space,   Key::Plus,     Key::Minus,
                               Key::NumPlus, Key::NumMinus, Key::Other};
    const auto pick = [&random](auto& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
    };
    const float x = pick(kPositions);
    const float y = pick(kPositions);
    switch (std::uniform_int_distribution<int>(0, 9)(random)) {
        case 0:
        case 1:
            return Message::mouse(Message::Kind::LeftPress, x, y);
        case 2:
        case 3:
            return Message::mouse(Message::Kind::MouseMove, x, y);
        case 4:
            return Message::mouse(Message::Kind::LeftRelease, x, y);
        case 5:
            return Message::mouse(Message::Kind::LeftDoubleClick, x, y);
        case 6:
            return Message::keyDown(pick(kKeys));
        case 7:
            return Message::menu(pick(allCommands));
        case 8:
            return Message::dialogOk(std::uniform_int_distribution<int>(-1, 3)(random), "2",
                                     "0,1,2,3,4,5");
        default:
            return Message::dialogCancel(std::uniform_int_distribution<int>(-1, 3)(random));
    }
}

// The points and which of them a drag holds.
std::tuple<std::vector<ControlPoint>, std::vector<PickedPoint>> pointsOf(const EditorState& state) {
    return {state.controlPoints, state.pickedPoints};
}

// Whatever the editor went through, a message judged idle leaves the state
// exactly as it was and calls no shell method.
TEST(IdleMessages, ChangeNoStateAndCallNoShell) {
    std::mt19937 random(20261207);
    RecordingShell shell;
    ManualClock clock;
    EditorCore core(shell, clock, clock);
    int idle = 0;
    for (int step = 0; step < 20000 && !core.quitRequested(); ++step) {
        const Message message = randomMessage(random);
        if (changesNothing(core.state(), message)) {
            ++idle;
            const Snapshot before(core.state());
            const auto points = pointsOf(core.state());
            RecordingShell watcher;
            handleMessage(core.state(), watcher, message);
            ASSERT_EQ(Snapshot(core.state()), before) << "step " << step;
            ASSERT_EQ(pointsOf(core.state()), points) << "step " << step;
            ASSERT_TRUE(watcher.events().empty()) << "step " << step;
            continue;
        }
        core.post(message);
        core.turn();
        shell.clearEvents();
        if (core.state().controlPoints.size() > 12) {
            core.post(Message::menu(Command::ClearPoints));
            core.turn();
        }
    }
    EXPECT_GT(idle, 2000);
}

}  // namespace
}  // namespace veltro
