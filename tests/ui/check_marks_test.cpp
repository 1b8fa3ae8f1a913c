#include "ui/check_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "ui/command_ids.h"
#include "ui/commands.h"
#include "ui/menu_table.h"
#include "ui/recording_shell.h"

namespace veltro {
namespace {

// The menu shows the table's marks until the first turn, isChecked's after.
// The item just chosen carries its mark (Move Points takes Make Points'),
// and each group of alternatives exactly one.
TEST(CheckMarks, StartAsTheMenuTableAndFollowEveryChoice) {
    using enum Command;
    const std::vector<Command> unmarked = {About, MovePoints, ClearPoints, BSplineSetup};
    const std::vector<std::vector<Command>> groups = {
        {NestedLinear, Bernstein, Midpoint, ParametricPolynomial, InterpolatingSpline, BSpline},
        {SliderOn, SliderOff},
        {ShellsOn, ShellsOff},
        {ContinuityOn, ContinuityOff}};
    EditorState state;
    for (const MenuBarEntry& entry : menuBar()) {
        for (const MenuItem& item : entry.items) {
            EXPECT_EQ(isChecked(state, item.command), item.checkedAtStart);
        }
    }
    RecordingShell shell;
    std::mt19937 random(11);
    for (int step = 0; step < 500; ++step) {
        const Command chosen = allCommands[random() % allCommands.size()];
        SCOPED_TRACE(testing::Message() << "step " << step << ", command " << commandId(chosen));
        runCommand(state, shell, chosen);
        const bool markable = std::find(unmarked.begin(), unmarked.end(), chosen) == unmarked.end();
        EXPECT_EQ(isChecked(state, chosen), markable);
        if (chosen == MovePoints) {
            EXPECT_FALSE(isChecked(state, MakePoints));
        }
        for (const std::vector<Command>& group : groups) {
            EXPECT_EQ(std::count_if(group.begin(), group.end(),
                                    [&](Command c) { return isChecked(state, c); }),
                      1);
        }
    }
}

}  // namespace
}  // namespace veltro
