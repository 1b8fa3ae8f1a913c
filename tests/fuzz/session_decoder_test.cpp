#include "session_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "checked_session.h"
#include "play_session.h"
#include "ui/command.h"

namespace veltro::hardening {
namespace {

std::vector<SessionStep> decodeText(std::string_view text) {
    return decodeSession({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

std::vector<SessionStep> decodeBytes(std::initializer_list<std::uint8_t> bytes) {
    return decodeSession({bytes.begin(), bytes.size()});
}

TEST(SessionDecoder, ScriptLinesThatDoNotParseAreSkippedNotFatal) {
    const auto steps = decodeText("click 10 20\nclick ten 20\nmenu 40045\nbogus\nkey plus\n");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].message.kind, Message::Kind::LeftPress);
    EXPECT_EQ(steps[1].message.kind, Message::Kind::LeftRelease);
    EXPECT_EQ(steps[2].message.command, Command::BSpline);
    EXPECT_EQ(steps[3].message.key, Key::Plus);
}

TEST(SessionDecoder, ScriptDialogMessagesAimAtTheNewestOpenDialog) {
    const auto steps = decodeText("menu 40053\nmenu 40053\ndialog ok \"7\" \"1, 2\"\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[2].aimAtNewestDialog);

    CheckedSession session(std::chrono::milliseconds(60000));
    playSession(steps, session);
    ASSERT_FALSE(session.violation()) << *session.violation();
    EXPECT_EQ(session.state().openDialogs, (std::vector<int>{0}));
    EXPECT_EQ(session.state().bsplineDegree, 7);
}

TEST(SessionDecoder, BinaryFormCoversBurstsLongTextsAndRawIds) {
    // burst of 3 points; dialog ok with a repeated 2-character pattern to
    // 6000 characters; a menu id outside the menu, which is dropped.
    const auto steps = decodeBytes({0x00, 11,   0x02, 0,    0,    0,   1,                     //
                                    8,    0x00, 3,    3,    1,    1,   '9', ',', 0x17, 0x70,  //
                                    6,    0xF0, 0x00, 0x00, 0x9C, 0x56});
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].pointsFirst.size(), 3u);
    EXPECT_EQ(steps[1].message.kind, Message::Kind::DialogOk);
    EXPECT_EQ(steps[1].message.degreeText, "1000");
    EXPECT_EQ(steps[1].message.knotText.size(), kMaxGeneratedText);
}

TEST(SessionDecoder, NoInputMakesAnEndlessSession) {
    // Runs of 256 keys, each repeated 16 times, would pass the cap.
    std::vector<std::uint8_t> bytes{0x00};
    for (int i = 0; i < 10; ++i) {
        bytes.insert(bytes.end(), {12, 1, 0xFF, 14, 15});
    }
    EXPECT_EQ(decodeSession(bytes).size(), kMaxSessionSteps);
}

}  // namespace
}  // namespace veltro::hardening
