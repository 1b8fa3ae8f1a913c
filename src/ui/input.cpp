#include "ui/input.h"

namespace veltro {

// Skeleton: adds points on a press; the full window procedure comes next.
void handleMessage(EditorState& state, Shell& /*shell*/, const Message& message) {
    switch (message.kind) {
        case Message::Kind::LeftPress:
            state.mouseDown = true;
            if (state.editMode == EditMode::MakePoints) {
                state.controlPoints.push_back(
                    ControlPoint(Point2(message.x, message.y), ControlPoint::kRadius));
                state.redrawRequested = true;
            }
            break;
        case Message::Kind::LeftRelease:
            state.mouseDown = false;
            break;
        case Message::Kind::KeyDown:
            if (message.key == key::kSpace) {
                state.redrawRequested = true;
            }
            break;
        case Message::Kind::Close:
            state.quitRequested = true;
            break;
        default:
            break;
    }
}

}  // namespace veltro
