#pragma once

#include "curves/scene_state.h"

namespace veltro {

// What drawing a frame changes in the model, done before the frame is
// rendered: with the B-spline over three points or more the knots are built
// afresh into workingKnots (the entered list seeded as the dialog expects),
// and the redraw request is answered.
void applyFrameUpdate(SceneState& state);

}  // namespace veltro
