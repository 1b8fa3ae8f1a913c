#pragma once

#include <string>
#include <vector>

#include "curves/scene_state.h"

namespace veltro {

enum class EditMode : int {
    MakePoints = 0,
    MovePoints = 7,
};

// A "B-Spline Input" dialog the core has opened, with the texts it showed.
struct DialogRecord {
    std::string degreeText;
    std::string knotText;
    bool open = true;
};

// The whole editor: one object, owned by the front end.
struct EditorState : SceneState {
    EditMode editMode = EditMode::MakePoints;
    bool mouseDown = false;
    // Set by the close message; the host ends its loop after this turn.
    bool quitRequested = false;
    // Every dialog opened so far, indexed by its dialog id.
    std::vector<DialogRecord> dialogs;
};

}  // namespace veltro
