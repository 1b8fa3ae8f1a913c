#include "ui/input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "state_snapshot.h"
#include "ui/bspline_dialog_session.h"
#include "ui/command.h"
#include "ui/key_codes.h"
#include "ui/recording_shell.h"

namespace veltro {
namespace {

using testing_support::Snapshot;

struct Session {
    EditorState state;
    RecordingShell shell;

    void send(const Message& m) { handleMessage(state, shell, m); }
    void command(Command command) { send(Message::menu(command)); }
    void press(float x, float y) { send(Message::mouse(Message::Kind::LeftPress, x, y)); }
    void doubleClick(float x, float y) {
        send(Message::mouse(Message::Kind::LeftDoubleClick, x, y));
    }
    void move(float x, float y) { send(Message::mouse(Message::Kind::MouseMove, x, y)); }
    void release(float x, float y) { send(Message::mouse(Message::Kind::LeftRelease, x, y)); }
    void keys(Key key, int times) {
        for (int i = 0; i < times; ++i) {
            send(Message::keyDown(key));
        }
    }
    void clickPoints(int count) {
        for (int i = 0; i < count; ++i) {
            press(100.0f + 40 * i, 200);
            release(100.0f + 40 * i, 200);
        }
    }
    std::vector<RecordingShell::Event> titles() const {
        return shell.eventsOf(RecordingShell::Event::Kind::Title);
    }
};

TEST(Input, PressInMakePointsModeAddsAPointReleaseOnlyClearsTheButton) {
    Session s;
    s.press(0, 0);
    ASSERT_EQ(s.state.controlPoints.size(), 1u);
    EXPECT_EQ(s.state.controlPoints[0].centre, Point2(0, 0));
    EXPECT_EQ(s.state.controlPoints[0].radius, 10.0f);
    EXPECT_TRUE(s.state.mouseDown);
    EXPECT_TRUE(s.state.redrawRequested);

    s.state.redrawRequested = false;
    s.move(300, 300);
    s.release(300, 300);
    EXPECT_FALSE(s.state.mouseDown);
    EXPECT_FALSE(s.state.redrawRequested);
    EXPECT_EQ(s.state.controlPoints[0].centre, Point2(0, 0));
}

TEST(Input, ADoubleClickAddsOnePointAndTheSecondPressIsNoPress) {
    Session s;
    s.press(50, 60);
    s.release(50, 60);
    s.doubleClick(50, 60);
    EXPECT_FALSE(s.state.mouseDown);
    s.release(50, 60);
    EXPECT_EQ(s.state.controlPoints.size(), 1u);
}

TEST(Input, PositionsThatAreNotFiniteNeverArrive) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Session s;
    s.press(nan, 10);
    s.press(10, inf);
    EXPECT_TRUE(s.state.controlPoints.empty());
    EXPECT_FALSE(s.state.mouseDown);

    s.clickPoints(1);
    s.command(Command::MovePoints);
    s.press(100, 200);
    s.move(nan, nan);
    EXPECT_EQ(s.state.controlPoints[0].centre, Point2(100, 200));
}

TEST(Input, MovePointsGestureDragsConfinesAndResolvesOverlaps) {
    Session s;
    s.clickPoints(2);  // (100, 200) and (140, 200)
    s.command(Command::MovePoints);
    const struct {
        float x, y;
        Point2 expected;
    } drops[] = {
        {300, 300, Point2(300, 300)},  // stays
        {5, 300, Point2(300, 300)},    // partly outside: back
        {145, 205, Point2(300, 300)},  // onto the other point: back
        {630, 470, Point2(630, 470)},
    };
    for (const auto& d : drops) {
        const Point2 from = s.state.controlPoints[0].centre;
        s.press(from.x, from.y);
        s.move(d.x, d.y);
        EXPECT_EQ(s.state.controlPoints[0].centre, Point2(d.x, d.y));
        s.release(d.x, d.y);
        EXPECT_EQ(s.state.controlPoints[0].centre, d.expected);
        EXPECT_EQ(s.state.controlPoints[1].centre, Point2(140, 200));
    }
    // After the gesture the pick stays, but moves do not drag.
    s.move(400, 400);
    EXPECT_EQ(s.state.controlPoints[0].centre, Point2(630, 470));
    EXPECT_EQ(s.state.controlPoints.size(), 2u);
}

TEST(Input, PointsAddedWhileTheButtonIsHeldLeaveThePickAlone) {
    Session s;
    s.clickPoints(1);
    s.command(Command::MovePoints);
    s.press(100, 200);
    s.command(Command::MakePoints);
    for (int i = 0; i < 40; ++i) {  // the list grows past any capacity it had
        s.press(300, 10.0f * static_cast<float>(i) + 20);
    }
    s.command(Command::MovePoints);
    s.move(500, 400);
    EXPECT_EQ(s.state.controlPoints[0].centre, Point2(500, 400));
    EXPECT_EQ(s.state.controlPoints[1].centre, Point2(300, 20));
}

TEST(Input, CloseAsksTheLoopToQuitAndOtherKeysAreIgnored) {
    Session s;
    const Snapshot before(s.state);
    // Codes next to the editor's, and one whose low word is the keypad plus.
    for (long long code : {0, 13, 43, 45, 65, 106, 108, 188, 190, 0x10000 + 107}) {
        s.keys(keyForVirtualCode(code), 1);
    }
    EXPECT_EQ(Snapshot(s.state), before);
    s.keys(Key::Space, 1);
    EXPECT_TRUE(s.state.redrawRequested);
    s.send(Message::close());
    EXPECT_TRUE(s.state.quitRequested);
    EXPECT_TRUE(s.shell.events().empty());
}

TEST(SliderKeys, NestedLinearStepsInSinglePrecisionAndClampsToTheUnitRange) {
    const struct {
        Key key;
        int presses;
        float expected;
    } cases[] = {
        {Key::NumPlus, 1, 0.50999999f},  {Key::Plus, 1, 0.50999999f},
        {Key::NumPlus, 50, 0.9999995f},  {Key::Plus, 51, 1.0f},
        {Key::NumPlus, 80, 1.0f},        {Key::NumMinus, 1, 0.49000001f},
        {Key::Minus, 50, 1.9371510e-7f}, {Key::NumMinus, 51, 0.0f},
        {Key::Minus, 80, 0.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.presses << " presses of key " << static_cast<int>(c.key));
        Session s;
        s.command(Command::SliderOn);
        s.state.redrawRequested = false;
        s.keys(c.key, c.presses);
        EXPECT_EQ(s.state.sliderT, c.expected);
        EXPECT_TRUE(s.state.redrawRequested);
        EXPECT_TRUE(s.titles().empty());
    }
}

TEST(SliderKeys, DoNothingWithTheSliderOffOrAnotherMethod) {
    for (Command method : {Command::NestedLinear, Command::Bernstein, Command::Midpoint,
                           Command::ParametricPolynomial, Command::InterpolatingSpline}) {
        for (bool sliderOn : {false, true}) {
            Session s;
            s.clickPoints(4);
            if (method != Command::NestedLinear) {
                s.command(method);
            }
            if (sliderOn) {
                s.command(Command::SliderOn);
            }
            if (method == Command::NestedLinear && sliderOn) {
                continue;
            }
            s.state.redrawRequested = false;
            s.shell.clearEvents();
            const Snapshot before(s.state);
            s.keys(Key::NumPlus, 3);
            s.keys(Key::Minus, 1);
            EXPECT_EQ(Snapshot(s.state), before);
            EXPECT_TRUE(s.shell.events().empty());
        }
    }
}

// A B-spline session as the pipeline would leave it after drawing a frame:
// four points, degree 3, working knots 0 .. 7, domain [3, 4].
Session bsplineSession(bool sliderFirst) {
    Session s;
    s.clickPoints(4);
    if (sliderFirst) {
        s.command(Command::SliderOn);
        s.command(Command::BSpline);
    } else {
        s.command(Command::BSpline);
        s.command(Command::SliderOn);
    }
    s.state.workingKnots = {0, 1, 2, 3, 4, 5, 6, 7};
    s.shell.clearEvents();
    return s;
}

TEST(SliderKeys, BSplineClampsToTheKnotDomainAndShowsTInTheTitle) {
    {
        Session s = bsplineSession(true);
        EXPECT_EQ(s.state.sliderT, 3.5f);
        s.keys(Key::NumPlus, 1);
        EXPECT_EQ(s.state.sliderT, 3.5f + 0.01f);
        EXPECT_EQ(s.shell.title(), "t = 3.51");
        s.keys(Key::Plus, 100);
        EXPECT_EQ(s.state.sliderT, 4.0f);
        EXPECT_EQ(s.shell.title(), "t = 4.00");
        s.keys(Key::NumMinus, 200);
        EXPECT_EQ(s.state.sliderT, 3.0f);
        EXPECT_EQ(s.shell.title(), "t = 3.00");
        const std::size_t titlesBefore = s.titles().size();
        s.keys(Key::Minus, 1);  // at the bound: stays, and the title is written again
        EXPECT_EQ(s.state.sliderT, 3.0f);
        EXPECT_EQ(s.titles().size(), titlesBefore + 1);
        EXPECT_EQ(s.shell.title(), "t = 3.00");
        s.command(Command::Bernstein);
        EXPECT_EQ(s.shell.title(), "VELTRO Project by Maelkin");
    }
    {
        Session s = bsplineSession(false);
        EXPECT_EQ(s.state.sliderT, 0.5f);
        s.keys(Key::NumPlus, 1);
        EXPECT_EQ(s.state.sliderT, 3.0f);
        EXPECT_EQ(s.shell.title(), "t = 3.00");
    }
}

TEST(SliderKeys, BSplineNeedsMoreThanTwoPoints) {
    Session s;
    s.clickPoints(2);
    s.command(Command::BSpline);
    s.command(Command::SliderOn);
    s.state.redrawRequested = false;
    s.shell.clearEvents();
    s.keys(Key::NumPlus, 5);
    EXPECT_EQ(s.state.sliderT, 0.5f);
    EXPECT_FALSE(s.state.redrawRequested);
    EXPECT_TRUE(s.shell.events().empty());
}

TEST(SliderKeys, BSplineSkipsTheClampWhenAKnotIndexDoesNotExist) {
    const struct {
        std::int32_t degree;
        KnotSequence knots;
        float expected;  // one plus press from 0.5
    } cases[] = {
        {3, {}, 0.51f},                           // before the first frame
        {3, {0, 1, 2}, 0.51f},                    // hi = -1
        {1000, {0, 1, 2, 3, 4, 5, 6, 7}, 0.51f},  // lo past the end
        {5, {0, 1, 2, 3, 4, 5, 6, 7}, 5.0f},      // bounds cross: the lower wins
        {3, {0, 1, 2, 3, 4, 5, 6, 7}, 3.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "degree " << c.degree << ", " << c.knots.size() << " knots");
        Session s = bsplineSession(false);
        s.state.bsplineDegree = c.degree;
        s.state.workingKnots = c.knots;
        s.keys(Key::NumPlus, 1);
        EXPECT_EQ(s.state.sliderT, c.expected);
        EXPECT_TRUE(s.state.redrawRequested);
        ASSERT_EQ(s.titles().size(), 1u);
    }
}

TEST(BSplineDialog, OkStoresDegreeAndKnotsOnlyForAnOpenDialog) {
    Session s;
    s.state.workingKnots = {0, 1, 2, 10};
    s.state.bsplineDegree = 4;
    s.command(Command::BSplineSetup);
    s.state.workingKnots = {-2, 5};
    s.command(Command::BSplineSetup);
    EXPECT_EQ(s.state.knotSequence, (KnotSequence{-2, 5}));
    const auto dialogs = s.shell.eventsOf(RecordingShell::Event::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(describe(dialogs[0]), "dialog 0 degree \"4\" knots \"0, 1, 2, 10\"");
    EXPECT_EQ(describe(dialogs[1]), "dialog 1 degree \"4\" knots \"-2, 5\"");

    s.state.redrawRequested = false;
    s.send(Message::dialogOk(0, "7", "0 , 1,,2"));
    EXPECT_TRUE(s.state.redrawRequested);
    EXPECT_EQ(s.state.bsplineDegree, 7);
    EXPECT_EQ(s.state.knotSequence, (KnotSequence{0, 1, 2}));
    EXPECT_FALSE(isDialogOpen(s.state, 0));
    EXPECT_TRUE(isDialogOpen(s.state, 1));

    // An ended dialog, one never opened, and a negative id: all ignored.
    s.state.redrawRequested = false;
    const Snapshot before(s.state);
    s.send(Message::dialogOk(0, "9", "9"));
    s.send(Message::dialogCancel(0));
    s.send(Message::dialogOk(2, "9", "9"));
    s.send(Message::dialogOk(-1, "9", "9"));
    s.send(Message::dialogCancel(-5));
    EXPECT_EQ(Snapshot(s.state), before);

    s.send(Message::dialogOk(1, "", ""));
    EXPECT_EQ(s.state.bsplineDegree, 3);
    EXPECT_TRUE(s.state.knotSequence.empty());
    EXPECT_EQ(s.state.knotSequence.capacity(), 0u);
    EXPECT_FALSE(isDialogOpen(s.state, 1));
}

TEST(BSplineDialog, LargeDegreeIsKeptAndShownAgain) {
    Session s;
    s.command(Command::BSplineSetup);
    s.send(Message::dialogOk(0, "1500", ""));
    EXPECT_EQ(s.state.bsplineDegree, 1500);
    s.command(Command::BSplineSetup);
    const auto dialogs = s.shell.eventsOf(RecordingShell::Event::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(describe(dialogs[1]), "dialog 1 degree \"1500\" knots \"\"");
}

TEST(BSplineDialog, CancelKeepsWhatOpeningPutThere) {
    Session s;
    s.state.knotSequence = {9, 9, 9};
    s.state.workingKnots = {0, 1, 2, 3, 4, 5, 6};
    s.state.bsplineDegree = 2;
    s.command(Command::BSplineSetup);
    s.state.redrawRequested = false;
    s.send(Message::dialogCancel(0));
    EXPECT_TRUE(s.state.redrawRequested);
    EXPECT_EQ(s.state.bsplineDegree, 2);
    EXPECT_EQ(s.state.knotSequence, (KnotSequence{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(isDialogOpen(s.state, 0));
}

}  // namespace
}  // namespace veltro
