#include "ui/commands.h"

#include "curves/knots.h"
#include "ui/bspline_dialog_session.h"
#include "ui/menu_table.h"
#include "ui/version.h"

namespace veltro {

namespace {

template <typename T>
void emptyAndRelease(std::vector<T>& items) {
    std::vector<T>().swap(items);
}

void resetTitle(Shell& shell) {
    shell.setTitle(kApplicationCaption);
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

void clearPoints(EditorState& state) {
    emptyAndRelease(state.controlPoints);
    emptyAndRelease(state.pickedPoints);
    state.redrawRequested = true;
    state.sliderT = 0.5f;
    state.sliderOn = false;
    state.shellsOn = false;
}

void movePoints(EditorState& state, Shell& shell) {
    if (state.editMode == EditMode::MovePoints) {
        shell.showMessageBox("Point Moving is already enabled!\nTo disable, create a new point.",
                             "Redundant Click");
        return;
    }
    state.editMode = EditMode::MovePoints;
    shell.showMessageBox("Left Click and drag the mouse to relocate points!", "Moving Enabled");
}

}  // namespace

void chooseMethod(EditorState& state, CurveMethod method) {
    state.redrawRequested = true;
    if (method == CurveMethod::NestedLinear) {
        state.sliderT = 0.5f;
    } else if (method == CurveMethod::BSpline) {
        resetBSpline(state);
    }
    state.method = method;
}

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

void runCommand(EditorState& state, Shell& shell, Command command) {
    switch (command) {
        case Command::MakePoints:
            state.editMode = EditMode::MakePoints;
            break;
        case Command::MovePoints:
            movePoints(state, shell);
            break;
        case Command::ClearPoints:
            clearPoints(state);
            break;
        case Command::NestedLinear:
        case Command::Bernstein:
        case Command::Midpoint:
        case Command::ParametricPolynomial:
        case Command::InterpolatingSpline:
        case Command::BSpline:
            resetTitle(shell);
            if (const auto method = methodChosenBy(command)) {
                chooseMethod(state, *method);
            }
            break;
        case Command::SliderOn:
            state.sliderT = 0.5f;
            state.sliderOn = true;
            shell.showMessageBox(
                "Adjust t values with + and - keys\non numerical pad.\n(Effects NLI & B-Spline "
                "Only)",
                "Slider Activated");
            state.redrawRequested = true;
            break;
        case Command::SliderOff:
            state.sliderT = 0.5f;
            state.sliderOn = false;
            state.redrawRequested = true;
            break;
        case Command::ShellsOn:
        case Command::ShellsOff:
            state.shellsOn = command == Command::ShellsOn;
            state.redrawRequested = true;
            break;
        case Command::ContinuityOn:
        case Command::ContinuityOff:
            state.continuityOn = command == Command::ContinuityOn;
            state.redrawRequested = true;
            break;
        case Command::BSplineSetup:
            state.continuityOn = false;
            openBSplineInput(state, shell);
            state.redrawRequested = true;
            break;
        case Command::About:
            shell.showMessageBox(aboutText(), "About");
            state.redrawRequested = true;
            break;
    }
}

}  // namespace veltro
