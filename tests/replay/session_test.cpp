#include <gtest/gtest.h>

#include <algorithm>

#include "session.h"
#include "ui/command_ids.h"

namespace veltro::replay {
namespace {

bool allWhite(const std::vector<std::uint32_t>& words) {
    return std::all_of(words.begin(), words.end(),
                       [](std::uint32_t w) { return (w & 0xFFFFFFu) == 0xFFFFFFu; });
}

std::vector<ScriptStep> stepsOf(const std::string& text) {
    ParsedScript script = parseScript(text);
    EXPECT_FALSE(script.error) << script.error->what;
    return script.steps;
}

TEST(ReplaySession, StartsLikeAnUntouchedWindow) {
    Session session;
    EXPECT_EQ(session.presentedWords().size(), 640u * 480u);
    EXPECT_TRUE(allWhite(session.presentedWords()));
    EXPECT_EQ(session.framesDrawn(), 0);
    const HostView host = session.hostView();
    EXPECT_EQ(host.title, "VELTRO Project by Maelkin");
    EXPECT_TRUE(host.messageBoxes.empty());
}

TEST(ReplaySession, OneTurnPerMessageDrawsOnlyWhenAsked) {
    Session session;
    // The press adds a point and asks for a frame; the release does not.
    ASSERT_FALSE(session.playAll(stepsOf("click 100 100\n")));
    EXPECT_EQ(session.framesDrawn(), 1);
    EXPECT_FALSE(allWhite(session.presentedWords()));
    // Make Points asks for no frame; space asks for one every time.
    ASSERT_FALSE(session.playAll(stepsOf("menu 40016\nkey space\nkey space\n")));
    EXPECT_EQ(session.framesDrawn(), 3);
    EXPECT_FALSE(session.state().redrawRequested);
}

TEST(ReplaySession, ThePresentedFrameSurvivesTheClearAfterPresenting) {
    Session session;
    ASSERT_FALSE(session.playAll(stepsOf("click 320 240\n")));
    const std::vector<std::uint32_t> shown = session.presentedWords();
    ASSERT_FALSE(allWhite(shown));
    // A turn that draws nothing leaves the last presented frame as it was.
    ASSERT_FALSE(session.playAll(stepsOf("move 1 1\nkey 65\n")));
    EXPECT_EQ(session.presentedWords(), shown);
}

TEST(ReplaySession, DialogMessagesGoToTheNewestOpenDialog) {
    Session session;
    ASSERT_FALSE(session.playAll(stepsOf("menu 40053\nmenu 40053\n")));
    const auto openFlags = [&session] {
        std::vector<bool> open;
        for (const DialogRecord& d : session.hostView().dialogs) {
            open.push_back(d.open);
        }
        return open;
    };
    EXPECT_EQ(openFlags(), (std::vector<bool>{true, true}));

    ASSERT_FALSE(session.playAll(stepsOf("dialog cancel\n")));
    EXPECT_EQ(openFlags(), (std::vector<bool>{true, false}));

    ASSERT_FALSE(session.playAll(stepsOf("dialog ok \"5\" \"0, 1, 2\"\n")));
    EXPECT_EQ(openFlags(), (std::vector<bool>{false, false}));
    EXPECT_EQ(session.state().bsplineDegree, 5);
    EXPECT_EQ(session.state().knotSequence, (KnotSequence{0, 1, 2}));
}

TEST(ReplaySession, ADialogMessageWithoutAnOpenDialogIsAnErrorOnItsLine) {
    const struct {
        std::string script;
        int line;
    } cases[] = {
        {"click 1 1\n\ndialog ok \"3\" \"\"\n", 3},
        {"dialog cancel\n", 1},
        {"menu 40053\ndialog cancel\ndialog cancel\n", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        Session session;
        const auto failure = session.playAll(stepsOf(c.script));
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->line, c.line);
        EXPECT_NE(failure->what.find("no B-Spline Input dialog is open"), std::string::npos)
            << failure->what;
    }
}

TEST(ReplaySession, APlaceLinePastTheLastPointIsAnErrorOnItsLine) {
    Session session;
    const auto failure = session.playAll(stepsOf("click 100 100\nclick 200 100\nplace 3 50 50\n"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->line, 3);
    EXPECT_EQ(failure->what, "'place 3' but there are 2 points");
}

TEST(ReplaySession, CloseEndsTheSessionAfterItsTurn) {
    Session session;
    ASSERT_FALSE(session.playAll(stepsOf("click 5 5\nclose\n")));
    EXPECT_TRUE(session.ended());
    EXPECT_TRUE(session.play(Message::keyDown(Key::Space)).has_value());
    EXPECT_EQ(session.framesDrawn(), 1);
}

TEST(ReplaySession, MessageBoxesAreDismissedAndRecordedInOrder) {
    Session session;
    ASSERT_FALSE(session.playAll(stepsOf("menu 40023\nmenu 40023\n")));
    const HostView host = session.hostView();
    ASSERT_EQ(host.messageBoxes.size(), 2u);
    EXPECT_EQ(host.messageBoxes[0].caption, "Moving Enabled");
    EXPECT_EQ(host.messageBoxes[0].text, "Left Click and drag the mouse to relocate points!");
    EXPECT_EQ(host.messageBoxes[1].caption, "Redundant Click");
    EXPECT_EQ(session.state().editMode, EditMode::MovePoints);
    EXPECT_FALSE(
        std::count(host.checked.begin(), host.checked.end(), commandId(Command::MakePoints)));
}

// The script accepts any finite float, so every method must cope with points
// at the ends of the float range: no hang, no crash, nothing undefined.
// Clicks out there add no point; the drag takes one there while it lasts.
TEST(ReplaySession, ExtremeFiniteCoordinatesPlayThroughEveryMethod) {
    for (const int method : {40028, 40030, 40031, 40041, 40043, 40045}) {
        SCOPED_TRACE(method);
        Session session;
        const std::string script = "menu " + std::to_string(method) +
                                   "\n"
                                   "menu 40038\nmenu 40036\n"
                                   "click 3.4e38 -3.4e38\nclick -3.4e38 3.4e38\nclick 1e-38 5\n"
                                   "click 320 240\nclick 320 240.0001\n"
                                   "key plus\nkey minus\nmenu 40050\n"
                                   "menu 40023\npress 320 240\nmove 3e38 3e38\nrelease 3e38 3e38\n";
        ASSERT_FALSE(session.playAll(stepsOf(script)));
        EXPECT_EQ(session.state().controlPoints.size(), 3u);
    }
}

}  // namespace
}  // namespace veltro::replay
