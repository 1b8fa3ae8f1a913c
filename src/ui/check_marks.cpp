#include "ui/check_marks.h"

namespace veltro {

bool isChecked(const EditorState& state, Command command) {
    switch (command) {
        case Command::MakePoints:
            return state.editMode == EditMode::MakePoints;
        case Command::NestedLinear:
            return state.method == CurveMethod::NestedLinear;
        case Command::Bernstein:
            return state.method == CurveMethod::Bernstein;
        case Command::Midpoint:
            return state.method == CurveMethod::Midpoint;
        case Command::ParametricPolynomial:
            return state.method == CurveMethod::ParametricPolynomial;
        case Command::InterpolatingSpline:
            return state.method == CurveMethod::InterpolatingSpline;
        case Command::BSpline:
            return state.method == CurveMethod::BSpline;
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
