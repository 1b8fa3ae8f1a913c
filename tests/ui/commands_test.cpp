#include "ui/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state_snapshot.h"
#include "ui/command_ids.h"
#include "ui/recording_shell.h"
#include "ui/version.h"

namespace veltro {
namespace {

using testing_support::Snapshot;

constexpr const char* kCaption = "VELTRO Project by Maelkin";

std::vector<std::string> describeAll(const RecordingShell& shell) {
    std::vector<std::string> lines;
    for (const auto& event : shell.events()) {
        lines.push_back(describe(event));
    }
    return lines;
}

// A state where every option is away from its start value, so a command
// that touches something it should leave alone shows up.
EditorState busyState() {
    EditorState s;
    for (int i = 0; i < 4; ++i) {
        s.controlPoints.emplace_back(Point2(100.0f + 50 * i, 200.0f), ControlPoint::kRadius);
    }
    s.method = CurveMethod::Bernstein;
    s.sliderOn = true;
    s.shellsOn = true;
    s.continuityOn = true;
    s.sliderT = 0.7f;
    s.bsplineDegree = 5;
    s.knotSequence = {0, 2, 4};
    s.workingKnots = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    return s;
}

TEST(Commands, ClearPointsStartsTheSceneAfreshButKeepsTheModeAndMethod) {
    EditorState state = busyState();
    state.editMode = EditMode::MovePoints;
    state.pickedPoints = {{1, Point2(150, 200)}};
    RecordingShell shell;
    runCommand(state, shell, Command::ClearPoints);
    EXPECT_EQ(state.controlPoints.capacity(), 0u);
    // A pick left behind would name points that are made later.
    EXPECT_TRUE(state.pickedPoints.empty());
    EXPECT_FALSE(state.sliderOn || state.shellsOn);
    EXPECT_EQ(state.sliderT, 0.5f);
    EXPECT_TRUE(state.redrawRequested);
    EXPECT_EQ(state.editMode, EditMode::MovePoints);
    EXPECT_EQ(state.method, CurveMethod::Bernstein);
    EXPECT_TRUE(state.continuityOn);
    EXPECT_TRUE(shell.events().empty());
}

TEST(Commands, SliderOffAndNestedLinearPutTheSliderBackInTheMiddle) {
    for (const Command command : {Command::SliderOff, Command::NestedLinear}) {
        EditorState state = busyState();
        RecordingShell shell;
        runCommand(state, shell, command);
        EXPECT_EQ(state.sliderT, 0.5f) << commandId(command);
        EXPECT_EQ(state.sliderOn, command == Command::NestedLinear) << commandId(command);
    }
}

TEST(Commands, MovePointsTwiceThenMakePointsThenMovePointsAgain) {
    EditorState state;
    RecordingShell shell;
    runCommand(state, shell, Command::MovePoints);
    EXPECT_EQ(state.editMode, EditMode::MovePoints);
    runCommand(state, shell, Command::MovePoints);
    EXPECT_EQ(state.editMode, EditMode::MovePoints);
    runCommand(state, shell, Command::MakePoints);
    EXPECT_EQ(state.editMode, EditMode::MakePoints);
    runCommand(state, shell, Command::MovePoints);
    EXPECT_FALSE(state.redrawRequested);
    EXPECT_EQ(describeAll(shell),
              (std::vector<std::string>{
                  "box \"Moving Enabled\": Left Click and drag the mouse to relocate points!",
                  "box \"Redundant Click\": Point Moving is already enabled!\\nTo disable, "
                  "create a new point.",
                  "box \"Moving Enabled\": Left Click and drag the mouse to relocate points!",
              }));
}

TEST(Commands, BSplinePutsTheSliderInTheMiddleOfTheDefaultDomain) {
    const struct {
        int points;
        bool continuity;
        float sliderT;
        KnotSequence knotSequenceAfter;
    } cases[] = {
        {0, false, 1.5f, {0}}, {4, false, 3.5f, {0}},  {4, true, 3.5f, {}},
        {2, true, 2.5f, {0}},  {10, false, 6.5f, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " points, continuity " << c.continuity);
        EditorState state;
        state.continuityOn = c.continuity;
        state.bsplineDegree = 7;
        state.knotSequence = {5, 6, 7};
        state.workingKnots = {1, 2, 3};
        for (int i = 0; i < c.points; ++i) {
            state.controlPoints.emplace_back(Point2(20.0f * i + 20, 50), ControlPoint::kRadius);
        }
        RecordingShell shell;
        runCommand(state, shell, Command::BSpline);
        EXPECT_EQ(state.sliderT, c.sliderT);
        EXPECT_EQ(state.bsplineDegree, 3);
        EXPECT_EQ(state.knotSequence, c.knotSequenceAfter);
        EXPECT_TRUE(state.workingKnots.empty());
        EXPECT_EQ(state.workingKnots.capacity(), 0u);
        EXPECT_TRUE(state.openDialogs.empty());  // only B-Spline Setup opens the dialog
    }
}

// Records, at every shell call, the state the user would see at that moment.
class ObservingShell : public RecordingShell {
  public:
    explicit ObservingShell(const EditorState& state) : state_(state) {}
    void showMessageBox(std::string_view text, std::string_view caption) override {
        seen.emplace_back(state_);
        RecordingShell::showMessageBox(text, caption);
    }
    void setTitle(std::string_view title) override {
        seen.emplace_back(state_);
        RecordingShell::setTitle(title);
    }
    void openBSplineDialog(int id, std::string_view degree, std::string_view knots) override {
        seen.emplace_back(state_);
        RecordingShell::openBSplineDialog(id, degree, knots);
    }
    std::vector<Snapshot> seen;

  private:
    const EditorState& state_;
};

TEST(Commands, StateChangesHappenOnTheRightSideOfTheShellCalls) {
    {
        EditorState state;
        state.sliderT = 0.8f;
        ObservingShell shell(state);
        runCommand(state, shell, Command::SliderOn);
        ASSERT_EQ(shell.seen.size(), 1u);
        EXPECT_TRUE(shell.seen[0].sliderOn);
        EXPECT_EQ(shell.seen[0].sliderT, 0.5f);
        EXPECT_FALSE(shell.seen[0].redrawRequested);
    }
    {
        EditorState state;
        ObservingShell shell(state);
        runCommand(state, shell, Command::MovePoints);
        ASSERT_EQ(shell.seen.size(), 1u);
        EXPECT_EQ(shell.seen[0].editMode, EditMode::MovePoints);
    }
    {
        EditorState state;
        ObservingShell shell(state);
        runCommand(state, shell, Command::About);
        ASSERT_EQ(shell.seen.size(), 1u);
        EXPECT_FALSE(shell.seen[0].redrawRequested);
    }
    {
        EditorState state;
        ObservingShell shell(state);
        runCommand(state, shell, Command::BSpline);
        ASSERT_EQ(shell.seen.size(), 1u);  // the title is reset first
        EXPECT_FALSE(shell.seen[0].redrawRequested);
        EXPECT_EQ(shell.seen[0].sliderT, 0.5f);
    }
    {
        EditorState state;
        state.continuityOn = true;
        state.workingKnots = {4, 5};
        ObservingShell shell(state);
        runCommand(state, shell, Command::BSplineSetup);
        ASSERT_EQ(shell.seen.size(), 1u);
        EXPECT_FALSE(shell.seen[0].continuityOn);
        EXPECT_EQ(shell.seen[0].knotSequence, (KnotSequence{4, 5}));
        EXPECT_EQ(shell.seen[0].dialogs, 1u);
        EXPECT_FALSE(shell.seen[0].redrawRequested);
    }
}

TEST(Commands, AboutNamesTheProgramAndItsVersion) {
    const std::string text = aboutText();
    EXPECT_NE(text.find(kCaption), std::string::npos);
    EXPECT_NE(text.find(kApplicationVersion), std::string::npos);
}

}  // namespace
}  // namespace veltro
