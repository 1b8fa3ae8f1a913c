#include "ui/input.h"

#include <cmath>

#include "editing/point_editing.h"
#include "geometry/frame_size.h"
#include "ui/bspline_dialog_session.h"
#include "ui/commands.h"
#include "ui/slider.h"

namespace veltro {

namespace {

// A real window only reports finite positions; a position that is not
// finite is treated as a message that never arrived.
bool hasFinitePosition(const Message& message) {
    return std::isfinite(message.x) && std::isfinite(message.y);
}

// Only the drawing area takes points: one placed beyond it (in the white
// space of an enlarged window) would never be drawn nor reachable by a
// drag, yet it would bend the curve.
bool insideDrawingArea(const Point2& m) {
    return m.x >= 0.0f && m.x < static_cast<float>(kFrameWidth) && m.y >= 0.0f &&
           m.y < static_cast<float>(kFrameHeight);
}

void leftPress(EditorState& state, const Message& message) {
    if (!hasFinitePosition(message)) {
        return;
    }
    const Point2 m(message.x, message.y);
    state.mouseDown = true;
    if (state.editMode == EditMode::MakePoints) {
        if (!insideDrawingArea(m)) {
            return;
        }
        state.controlPoints.push_back(ControlPoint(m, ControlPoint::kRadius));
        state.redrawRequested = true;
    } else if (state.editMode == EditMode::MovePoints) {
        pickPoints(state.controlPoints, m, state.pickedPoints);
    }
}

void mouseMove(EditorState& state, const Message& message) {
    if (state.editMode != EditMode::MovePoints || !state.mouseDown || !hasFinitePosition(message)) {
        return;
    }
    dragPickedPoints(state.controlPoints, state.pickedPoints, Point2(message.x, message.y),
                     state.redrawRequested);
}

void leftRelease(EditorState& state) {
    state.mouseDown = false;
    if (state.editMode == EditMode::MovePoints) {
        dropPickedPoints(state.controlPoints, state.pickedPoints, state.redrawRequested);
    }
}

void keyDown(EditorState& state, Shell& shell, Key key) {
    switch (key) {
        case Key::Space:
            state.redrawRequested = true;
            break;
        case Key::NumPlus:
        case Key::Plus:
            stepSlider(state, shell, +1);
            break;
        case Key::NumMinus:
        case Key::Minus:
            stepSlider(state, shell, -1);
            break;
        case Key::Other:
            break;
    }
}

}  // namespace

void handleMessage(EditorState& state, Shell& shell, const Message& message) {
    switch (message.kind) {
        case Message::Kind::LeftPress:
            leftPress(state, message);
            break;
        case Message::Kind::MouseMove:
            mouseMove(state, message);
            break;
        case Message::Kind::LeftRelease:
            leftRelease(state);
            break;
        case Message::Kind::LeftDoubleClick:
            // The second press of a double click is not a press: it neither
            // adds a point nor picks, and leaves mouseDown alone.
            break;
        case Message::Kind::KeyDown:
            keyDown(state, shell, message.key);
            break;
        case Message::Kind::MenuCommand:
            runCommand(state, shell, message.command);
            break;
        case Message::Kind::DialogOk:
            confirmBSplineInput(state, message.dialogId, message.degreeText, message.knotText);
            break;
        case Message::Kind::DialogCancel:
            cancelBSplineInput(state, message.dialogId);
            break;
        case Message::Kind::Close:
            state.quitRequested = true;
            break;
        case Message::Kind::PlacePoint:
            if (message.pointIndex >= 0) {
                placePoint(state.controlPoints, static_cast<std::size_t>(message.pointIndex),
                           Point2(message.x, message.y), state.redrawRequested);
            }
            break;
        case Message::Kind::Inspect:
            // No frame shows the inspection's t, so nothing is redrawn.
            if (std::isfinite(message.inspectionT)) {
                state.inspectionT = message.inspectionT;
            }
            break;
        case Message::Kind::DeletePoint:
            if (message.pointIndex >= 0 &&
                deletePoint(state.controlPoints, state.pickedPoints,
                            static_cast<std::size_t>(message.pointIndex))) {
                state.redrawRequested = true;
            }
            break;
        case Message::Kind::Undo:
        case Message::Kind::Redo:
            // The editor core keeps the history these walk; the state alone
            // cannot answer them.
            break;
    }
}

}  // namespace veltro
