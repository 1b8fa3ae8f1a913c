#include "script/script_writer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "script/script.h"
#include "ui/command.h"

namespace veltro::replay {
namespace {

using Kind = Message::Kind;

// Any message a host can hand the core: finite positions of any bit
// pattern, every key it reacts to, every command, texts of arbitrary bytes
// but NUL.
Message randomMessage(std::mt19937& random) {
    const auto anyFloat = [&] {
        for (;;) {
            const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
            if (std::isfinite(value)) {
                return value;
            }
        }
    };
    const auto anyText = [&] {
        std::string text(random() % 12, ' ');
        for (char& c : text) {
            const char typical[] = "0123456789 ,-+\"\\#\n\r\t";
            c = random() % 2 ? typical[random() % (sizeof typical - 1)]
                             : static_cast<char>(1 + random() % 255);
        }
        return text;
    };
    switch (random() % 13) {
        case 0:
            return Message::mouse(Kind::LeftPress, anyFloat(), anyFloat());
        case 1:
            return Message::mouse(Kind::MouseMove, anyFloat(), anyFloat());
        case 2:
            return Message::mouse(Kind::LeftRelease, anyFloat(), anyFloat());
        case 3:
            return Message::mouse(Kind::LeftDoubleClick, anyFloat(), anyFloat());
        case 4: {
            constexpr Key kKeys[] = {Key::Space, Key::Plus, Key::Minus, Key::NumPlus,
                                     Key::NumMinus};
            return Message::keyDown(kKeys[random() % std::size(kKeys)]);
        }
        case 5:
            return Message::menu(allCommands[random() % allCommands.size()]);
        case 6:
            return Message::dialogOk(-1, anyText(), anyText());
        case 7:
            return Message::dialogCancel(-1);
        case 8:
            return Message::place(static_cast<int>(random() % 2 ? random() % 3000 : random() >> 2),
                                  anyFloat(), anyFloat());
        case 9: {
            // Any finite double, typed ones and odd bit patterns alike.
            const std::uint64_t bits = (std::uint64_t{random()} << 32) | random();
            const double t = random() % 2 ? static_cast<double>(random() % 2001) / 1000.0 - 0.5
                                          : std::bit_cast<double>(bits);
            return Message::inspect(std::isfinite(t) ? t : 0.25);
        }
        case 10:
            return random() % 2 ? Message::undo() : Message::redo();
        case 11: {
            // Either end of the numbers a script can write.
            const int largest = std::numeric_limits<int>::max() - 1;
            return Message::deletePoint(random() % 2 ? static_cast<int>(random() % 5000) : largest);
        }
        default:
            return Message::close();
    }
}

bool sameMessage(const Message& a, const Message& b) {
    return a.kind == b.kind &&
           std::bit_cast<std::uint32_t>(a.x) == std::bit_cast<std::uint32_t>(b.x) &&
           std::bit_cast<std::uint32_t>(a.y) == std::bit_cast<std::uint32_t>(b.y) &&
           a.key == b.key && a.command == b.command && a.dialogId == b.dialogId &&
           a.degreeText == b.degreeText && a.knotText == b.knotText &&
           a.pointIndex == b.pointIndex &&
           std::bit_cast<std::uint64_t>(a.inspectionT) ==
               std::bit_cast<std::uint64_t>(b.inspectionT);
}

// Whatever is written reads back as the very same message, bit for bit.
TEST(ScriptWriter, EveryLineReadsBackAsItsMessage) {
    std::mt19937 random(20261207);
    for (int i = 0; i < 20000; ++i) {
        const Message message = randomMessage(random);
        const auto line = scriptLine(message);
        ASSERT_TRUE(line) << "message " << i << " of kind " << static_cast<int>(message.kind);
        const ParsedScript script = parseScript(*line + "\n");
        ASSERT_FALSE(script.error) << *line << ": " << script.error->what;
        ASSERT_EQ(script.steps.size(), 1u) << *line;
        EXPECT_TRUE(sameMessage(script.steps[0].message, message)) << *line;
    }
}

TEST(ScriptWriter, LeavesOutWhatNoScriptCanHold) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Message unwritable[] = {
        Message::mouse(Kind::LeftPress, nan, 1.0f),
        Message::mouse(Kind::MouseMove, 1.0f, std::numeric_limits<float>::infinity()),
        Message::keyDown(Key::Other),  // changes nothing
        Message::dialogOk(-1, std::string("3\0", 2), "0"),
        Message::place(-1, 1.0f, 1.0f),  // no point has it
        Message::place(0, nan, 1.0f),
        Message::inspect(std::numeric_limits<double>::infinity()),
        Message::deletePoint(std::numeric_limits<int>::max()),
    };
    for (const Message& message : unwritable) {
        EXPECT_FALSE(scriptLine(message)) << *scriptLine(message);
    }
}

}  // namespace
}  // namespace veltro::replay
