#include "ui/commands.h"

#include <array>

#include "curves/knots.h"
#include "ui/bspline_dialog_session.h"
#include "ui/command_ids.h"
#include "ui/menu_table.h"
#include "ui/version.h"

namespace veltro {

namespace {

using namespace command;

struct MethodCommand {
    int commandId;
    CurveMethod method;
};

constexpr std::array kMethodCommands{
    MethodCommand{kNestedLinear, CurveMethod::NestedLinear},
    MethodCommand{kBernstein, CurveMethod::Bernstein},
    MethodCommand{kMidpoint, CurveMethod::Midpoint},
    MethodCommand{kParametricPolynomial, CurveMethod::ParametricPolynomial},
    MethodCommand{kInterpolatingSpline, CurveMethod::InterpolatingSpline},
    MethodCommand{kBSpline, CurveMethod::BSpline},
};

template <typename T>
void emptyAndRelease(std::vector<T>& items) {
    std::vector<T>().swap(items);
}

void resetTitle(Shell& shell) {
    shell.setTitle(kApplicationCaption);
}

void selectMethod(EditorState& state, Shell& shell, int methodCommand) {
    for (const MethodCommand& entry : kMethodCommands) {
        if (entry.commandId == methodCommand) {
            state.method = entry.method;
        }
    }
    shell.setChecked(methodCommand, true);
    for (const MethodCommand& other : kMethodCommands) {
        if (other.commandId != methodCommand) {
            shell.setChecked(other.commandId, false);
        }
    }
}

// Starts the B-spline afresh: degree 3, no entered knots, and the slider in
// the middle of the domain the default knots will give.
void resetBSpline(EditorState& state) {
    state.bsplineDegree = 3;
    emptyAndRelease(state.knotSequence);
    emptyAndRelease(state.workingKnots);
    const std::size_t n = state.controlPoints.size();
    // The entered list is seeded as building the knots seeds it; with too few
    // points for a curve no frame does, and this is what the dialog shows.
    seedEnteredKnots(state.knotSequence, n, state.continuityOn);
    const KnotSequence knots =
        effectiveKnots(state.knotSequence, n, state.bsplineDegree, state.continuityOn);
    const KnotDomain domain = knotDomainIndices(knots.size(), state.bsplineDegree);
    // The indices are averaged, not the knots at them.
    state.sliderT = static_cast<float>(static_cast<float>(domain.lo + domain.hi) * 0.5);
}

void setOption(Shell& shell, int onCommand, int offCommand, bool on) {
    shell.setChecked(on ? onCommand : offCommand, true);
    shell.setChecked(on ? offCommand : onCommand, false);
}

void clearPoints(EditorState& state, Shell& shell) {
    emptyAndRelease(state.controlPoints);
    state.redrawRequested = true;
    shell.setChecked(kSliderOff, true);
    shell.setChecked(kSliderOn, false);
    shell.setChecked(kShellsOff, true);
    state.sliderT = 0.5f;
    state.sliderOn = false;
    shell.setChecked(kShellsOn, false);
    state.shellsOn = false;
}

void movePoints(EditorState& state, Shell& shell) {
    if (state.editMode == EditMode::MovePoints) {
        shell.showMessageBox("Point Moving is already enabled!\nTo disable, create a new point.",
                             "Redundant Click");
        return;
    }
    state.editMode = EditMode::MovePoints;
    shell.setChecked(kMakePoints, false);
    shell.showMessageBox("Left Click and drag the mouse to relocate points!", "Moving Enabled");
}

void methodCommand(EditorState& state, Shell& shell, int commandId) {
    resetTitle(shell);
    state.redrawRequested = true;
    if (commandId == kNestedLinear) {
        state.sliderT = 0.5f;
    } else if (commandId == kBSpline) {
        resetBSpline(state);
    }
    selectMethod(state, shell, commandId);
}

}  // namespace

std::string aboutText() {
    std::string text(kApplicationCaption);
    text += "\nVersion ";
    text += kApplicationVersion;
    text +=
        "\n\nClick control points into the drawing area and watch the curve that the "
        "method chosen in the Object menu builds from them: nested linear interpolation, "
        "Bernstein polynomials, midpoint subdivision, the parametric interpolating "
        "polynomial, the interpolating spline or the B-spline.";
    return text;
}

void runCommand(EditorState& state, Shell& shell, int commandId) {
    switch (commandId) {
        case kMakePoints:
            state.editMode = EditMode::MakePoints;
            shell.setChecked(kMakePoints, true);
            break;
        case kMovePoints:
            movePoints(state, shell);
            break;
        case kClearPoints:
            clearPoints(state, shell);
            break;
        case kNestedLinear:
        case kBernstein:
        case kMidpoint:
        case kParametricPolynomial:
        case kInterpolatingSpline:
        case kBSpline:
            methodCommand(state, shell, commandId);
            break;
        case kSliderOn:
            setOption(shell, kSliderOn, kSliderOff, true);
            state.sliderT = 0.5f;
            state.sliderOn = true;
            shell.showMessageBox(
                "Adjust t values with + and - keys\non numerical pad.\n(Effects NLI & B-Spline "
                "Only)",
                "Slider Activated");
            state.redrawRequested = true;
            break;
        case kSliderOff:
            setOption(shell, kSliderOn, kSliderOff, false);
            state.sliderT = 0.5f;
            state.sliderOn = false;
            state.redrawRequested = true;
            break;
        case kShellsOn:
        case kShellsOff:
            setOption(shell, kShellsOn, kShellsOff, commandId == kShellsOn);
            state.shellsOn = commandId == kShellsOn;
            state.redrawRequested = true;
            break;
        case kContinuityOn:
        case kContinuityOff:
            setOption(shell, kContinuityOn, kContinuityOff, commandId == kContinuityOn);
            state.continuityOn = commandId == kContinuityOn;
            state.redrawRequested = true;
            break;
        case kBSplineSetup:
            setOption(shell, kContinuityOn, kContinuityOff, false);
            state.continuityOn = false;
            openBSplineInput(state, shell);
            state.redrawRequested = true;
            break;
        case kAbout:
            shell.showMessageBox(aboutText(), "About");
            state.redrawRequested = true;
            break;
        default:
            break;
    }
}

}  // namespace veltro
