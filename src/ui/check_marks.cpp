#include "ui/check_marks.h"

namespace veltro {

bool isChecked(const EditorState& state, Command command) {
    switch (command) {
        case Command::MakePoints:
            return state.editMode == EditMode::MakePoints;
        case Command::NestedLinear:
        case Command::Bernstein:
        case Command::Midpoint:
        case Command::ParametricPolynomial:
        case Command::InterpolatingSpline:
        case Command::BSpline:
            return state.method == methodChosenBy(command);
        case Command::SliderOn:
            return state.sliderOn;
        case Command::SliderOff:
            return !state.sliderOn;
        case Command::ShellsOn:
            return state.shellsOn;
        case Command::ShellsOff:
            return !state.shellsOn;
        case Command::ContinuityOn:
            return state.continuityOn;
        case Command::ContinuityOff:
            return !state.continuityOn;
        case Command::About:
        case Command::MovePoints:
        case Command::ClearPoints:
        case Command::BSplineSetup:
            return false;
    }
    return false;
}

}  // namespace veltro
