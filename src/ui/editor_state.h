#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "curves/scene_state.h"
#include "editing/point_editing.h"

namespace veltro {

// What a left press does: add a point, or pick points to drag.
enum class EditMode {
    MakePoints,
    MovePoints,
};

// The whole editor: one object, owned by the editor core; hosts read it
// through the core's queries.
struct EditorState : SceneState {
    EditMode editMode = EditMode::MakePoints;
    bool mouseDown = false;
    // Set by whatever changes the picture; answered by the core's next frame.
    bool redrawRequested = false;
    // The points the last press in Move Points mode picked, in list order.
    // They stay picked after the release, until the next such press or until
    // the points are cleared.
    std::vector<PickedPoint> pickedPoints;
    // Set by the close message; the host ends its loop after this turn.
    bool quitRequested = false;
    // The ids of the "B-Spline Input" dialogs still open, oldest first. Only
    // open ones are kept, so opening and answering dialogs all day costs no
    // memory; what a dialog shows is its host's business.
    std::vector<int> openDialogs;
    // The open dialogs whose knot field opened with more text than the
    // typed-text limit, and that text's length: the field takes it all, so
    // OK without editing keeps the knots it showed.
    std::vector<std::pair<int, std::size_t>> longKnotFields;
    // The id the next dialog gets.
    int nextDialogId = 0;
    // Where the methods without the slider are inspected; none: in the
    // middle of the domain. It is no part of the scene: no frame shows it,
    // so undoing a change to the picture leaves it alone.
    std::optional<double> inspectionT;
};

}  // namespace veltro
