#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>

#include "core/clock.h"
#include "core/editor_core.h"
#include "core/method_pictures.h"
#include "ui/command.h"
#include "ui/recording_shell.h"

namespace veltro {
namespace {

Message randomMessage(std::mt19937& random) {
    constexpr std::array kPositions{60.0f, 64.0f, 200.0f, 330.0f, 5.0f};
    const auto pick = [&random](const auto& items) {
        return items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(random)];
    };
    switch (std::uniform_int_distribution<int>(0, 6)(random)) {
        case 0:
            return Message::mouse(Message::Kind::LeftPress, pick(kPositions), pick(kPositions));
        case 1:
        case 2:
            return Message::mouse(Message::Kind::MouseMove, pick(kPositions), pick(kPositions));
        case 3:
            return Message::mouse(Message::Kind::LeftRelease, pick(kPositions), pick(kPositions));
        case 4:
            return Message::keyDown(pick(std::array{Key::Plus, Key::Minus}));
        case 5:
            return Message::undo();
        default:
            return Message::menu(pick(allCommands));
    }
}

// Pictures kept open across a session, which skip what they showed already,
// always equal pictures painted afresh, whatever changed: the scene, the
// ticked methods, or nothing.
TEST(MethodPictures, KeptPicturesEqualFreshOnesThroughASession) {
    for (std::uint32_t seed = 1; seed <= 3; ++seed) {
        std::mt19937 random(seed);
        RecordingShell shell;
        ManualClock clock;
        EditorCore core{shell, clock, clock};
        MethodPictures kept;
        MethodSet overlaid{};
        for (int step = 0; step < 80; ++step) {
            if (random() % 3 == 0) {
                overlaid[random() % overlaid.size()] ^= true;
            } else {
                core.post(randomMessage(random));
                core.turn();
                shell.clearEvents();
            }
            const MethodPictures shown = kept;
            const bool changed = kept.paint(core, overlaid);
            // A host shows the pictures again only when told they changed.
            const MethodPictures& onScreen = changed ? kept : shown;
            MethodPictures fresh;
            fresh.paint(core, overlaid);
            for (std::size_t i = 0; i < kCurveMethodCount; ++i) {
                const auto method = static_cast<CurveMethod>(i);
                ASSERT_TRUE(onScreen.method(method) == fresh.method(method))
                    << "seed " << seed << " step " << step << " method " << i;
            }
            ASSERT_TRUE(onScreen.overlay() == fresh.overlay())
                << "seed " << seed << " step " << step;
        }
    }
}

}  // namespace
}  // namespace veltro
