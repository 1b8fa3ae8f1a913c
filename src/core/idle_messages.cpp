#include "core/idle_messages.h"

#include <cmath>

#include "ui/bspline_dialog_session.h"
#include "ui/slider.h"

namespace veltro {

namespace {

bool keyChangesNothing(const EditorState& state, Key key) {
    switch (key) {
        case Key::Space:
            return false;
        case Key::Plus:
        case Key::Minus:
        case Key::NumPlus:
        case Key::NumMinus:
            return !sliderSteps(state);
        case Key::Other:
            return true;
    }
    return true;
}

// A refused position leaves the point where it was, and so does its own.
bool placeChangesNothing(const EditorState& state, const Message& message) {
    if (message.pointIndex < 0) {
        return true;
    }
    const auto index = static_cast<std::size_t>(message.pointIndex);
    const Point2 target(message.x, message.y);
    return placementOf(state.controlPoints, index, target) != Placement::Placed ||
           state.controlPoints[index].centre == target;
}

}  // namespace

bool changesNothing(const EditorState& state, const Message& message) {
    switch (message.kind) {
        case Message::Kind::MouseMove:
            // Only a drag follows the mouse.
            return state.editMode != EditMode::MovePoints || !state.mouseDown ||
                   !std::isfinite(message.x) || !std::isfinite(message.y);
        case Message::Kind::LeftRelease:
            // In Move Points mode a release also settles the picked points,
            // held or not.
            return state.editMode == EditMode::MakePoints && !state.mouseDown;
        case Message::Kind::LeftDoubleClick:
            return true;
        case Message::Kind::KeyDown:
            return keyChangesNothing(state, message.key);
        case Message::Kind::DialogOk:
        case Message::Kind::DialogCancel:
            return !isDialogOpen(state, message.dialogId);
        case Message::Kind::PlacePoint:
            return placeChangesNothing(state, message);
        case Message::Kind::Inspect:
            return !std::isfinite(message.inspectionT) ||
                   state.inspectionT == std::optional<double>(message.inspectionT);
        case Message::Kind::DeletePoint:
            // While the button is held a gesture is under way: a point taken
            // from under it would leave the drag holding another.
            return state.mouseDown || message.pointIndex < 0 ||
                   static_cast<std::size_t>(message.pointIndex) >= state.controlPoints.size();
        case Message::Kind::Undo:
        case Message::Kind::Redo:
            // Stepping through the history in the middle of a gesture would
            // split the step the gesture is making; whether there is a step
            // to take, the editor core's history answers.
            return state.mouseDown;
        case Message::Kind::LeftPress:
        case Message::Kind::MenuCommand:
        case Message::Kind::Close:
            return false;
    }
    return false;
}

}  // namespace veltro
