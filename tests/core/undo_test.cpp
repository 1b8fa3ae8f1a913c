#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/clock.h"
#include "core/editor_core.h"
#include "core/undo_history.h"
#include "ui/command.h"
#include "ui/recording_shell.h"

namespace veltro {
namespace {

const SceneState& sceneOf(const EditorCore& core) {
    return core.state();
}

// Sessions that make many points, drag them, delete them and use every
// command, with undo and redo now and then.
Message randomMessage(std::mt19937& random) {
    constexpr std::array kPositions{60.0f, 64.0f, 200.0f, 330.0f, 5.0f, 700.0f};
    const auto pick = [&random](const auto& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
    };
    const float x = pick(kPositions);
    const float y = pick(kPositions);
    switch (std::uniform_int_distribution<int>(0, 11)(random)) {
        case 0:
        case 1:
            return Message::mouse(Message::Kind::LeftPress, x, y);
        case 2:
        case 3:
            return Message::mouse(Message::Kind::MouseMove, x, y);
        case 4:
            return Message::mouse(Message::Kind::LeftRelease, x, y);
        case 5:
            return Message::keyDown(pick(std::array{Key::Plus, Key::Minus}));
        case 6:
        case 7:
            return Message::menu(pick(allCommands));
        case 8:
            return Message::dialogOk(-1, "2", "0, 1, 2, 3, 4, 5, 6, 7");
        case 9:
            return Message::deletePoint(std::uniform_int_distribution<int>(-1, 5)(random));
        case 10:
            return Message::undo();
        default:
            return Message::redo();
    }
}

struct Editor {
    void play(Message message) {
        if (message.kind == Message::Kind::DialogOk) {
            message.dialogId = core.newestDialog().value_or(-1);
        }
        core.post(std::move(message));
        core.turn();
        shell.clearEvents();
    }

    RecordingShell shell;
    ManualClock clock;
    EditorCore core{shell, clock, clock};
};

// After every change, undo gives back the scene and the frame from before it,
// with no message box or dialog, and redo the ones after it; a change leaves
// nothing to redo; undoing everything gives the empty start.
TEST(Undo, GivesBackTheScenesAroundEachChange) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        Editor editor;
        EditorCore& core = editor.core;
        const RecordingShell& shell = editor.shell;
        const auto play = [&editor](Message message) { editor.play(std::move(message)); };
        const std::vector<std::uint32_t> white = core.framePixels();
        int changes = 0;
        SceneState before = sceneOf(core);
        std::vector<std::uint32_t> frameBefore = core.framePixels();
        for (int step = 0; step < 300; ++step) {
            const Message message = randomMessage(random);
            const bool history =
                message.kind == Message::Kind::Undo || message.kind == Message::Kind::Redo;
            play(message);
            if (core.state().mouseDown) {
                continue;
            }
            if (!history && !(sceneOf(core) == before)) {
                ++changes;
                ASSERT_TRUE(core.canUndo());
                ASSERT_FALSE(core.canRedo());
                const SceneState after = sceneOf(core);
                const std::vector<std::uint32_t> frameAfter = core.framePixels();
                play(Message::undo());
                ASSERT_TRUE(sceneOf(core) == before) << "seed " << seed << " step " << step;
                ASSERT_EQ(core.framePixels(), frameBefore) << "seed " << seed << " step " << step;
                ASSERT_TRUE(shell.events().empty());
                play(Message::redo());
                ASSERT_TRUE(sceneOf(core) == after) << "seed " << seed << " step " << step;
                ASSERT_EQ(core.framePixels(), frameAfter) << "seed " << seed << " step " << step;
            }
            before = sceneOf(core);
            frameBefore = core.framePixels();
        }
        EXPECT_GT(changes, 10) << "seed " << seed;
        // A gesture still held would keep the history shut.
        play(Message::mouse(Message::Kind::LeftRelease, 0, 0));
        const SceneState last = sceneOf(core);
        const bool couldRedo = core.canRedo();
        int undone = 0;
        for (; core.canUndo() && undone <= 1000; ++undone) {
            play(Message::undo());
        }
        EXPECT_TRUE(sceneOf(core) == SceneState{}) << "seed " << seed;
        EXPECT_EQ(core.framePixels(), white) << "seed " << seed;
        for (int i = 0; i < undone; ++i) {
            play(Message::redo());
        }
        EXPECT_TRUE(sceneOf(core) == last) << "seed " << seed;
        EXPECT_EQ(core.canRedo(), couldRedo);
    }
}

TEST(Undo, DeleteMovesTheLaterPointsUpAndUndoPutsItBack) {
    Editor editor;
    const EditorCore& core = editor.core;
    const auto play = [&editor](Message message) { editor.play(std::move(message)); };
    for (const float x : {100.0f, 200.0f, 300.0f, 400.0f}) {
        play(Message::mouse(Message::Kind::LeftPress, x, 100));
        play(Message::mouse(Message::Kind::LeftRelease, x, 100));
    }
    const auto xs = [&core] {
        std::vector<float> out;
        for (const ControlPoint& p : core.state().controlPoints) {
            out.push_back(p.centre.x);
        }
        return out;
    };
    play(Message::deletePoint(1));
    EXPECT_EQ(xs(), (std::vector<float>{100, 300, 400}));
    play(Message::undo());
    EXPECT_EQ(xs(), (std::vector<float>{100, 200, 300, 400}));

    // Delete and Backspace reach points in Move Points mode only, and not
    // while a drag holds the points.
    EXPECT_FALSE(core.pointToDeleteAt(300, 100));
    play(Message::menu(Command::MovePoints));
    EXPECT_EQ(core.pointToDeleteAt(305, 95), 2);
    EXPECT_FALSE(core.pointToDeleteAt(250, 100));
    play(Message::mouse(Message::Kind::LeftPress, 400, 100));
    play(Message::mouse(Message::Kind::MouseMove, 300, 300));
    play(Message::deletePoint(3));
    play(Message::undo());
    play(Message::mouse(Message::Kind::LeftRelease, 300, 300));
    EXPECT_EQ(xs(), (std::vector<float>{100, 200, 300, 300}));
    // The whole drag is one step.
    play(Message::undo());
    EXPECT_EQ(xs(), (std::vector<float>{100, 200, 300, 400}));
}

// The oldest steps go first, by count and by memory.
TEST(UndoHistoryBounds, KeepsTheNewestStepsWithinTheirLimits) {
    UndoHistory history;
    SceneState scene;
    for (int i = 0; i < 1100; ++i) {
        scene.sliderT = static_cast<float>(i);
        history.recordChange(scene);
    }
    EXPECT_EQ(history.stepsHeld(), UndoHistory::kMostSteps);
    SceneState now;
    for (int i = 1099; i >= 100; --i) {
        ASSERT_TRUE(history.undo(now));
        ASSERT_EQ(now.sliderT, static_cast<float>(i));
    }
    EXPECT_FALSE(history.undo(now));

    UndoHistory big;
    SceneState crowded;
    crowded.controlPoints.assign(400'000, ControlPoint(Point2(10, 10), ControlPoint::kRadius));
    for (int i = 0; i < 20; ++i) {
        crowded.sliderT = static_cast<float>(i);
        big.recordChange(crowded);
    }
    EXPECT_LE(big.bytesHeld(), UndoHistory::kMostBytes);
    EXPECT_GT(big.bytesHeld(), UndoHistory::kMostBytes / 2);
    ASSERT_TRUE(big.undo(now));
    EXPECT_EQ(now.sliderT, 19.0f);
}

}  // namespace
}  // namespace veltro
