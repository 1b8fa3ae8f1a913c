#pragma once

#include "app/frame_buffer.h"
#include "curves/scene_state.h"

namespace veltro {

// Rebuilds the segment list from the points and the chosen method, paints
// the slider marker, the control-point discs and every segment into the
// frame, and clears the redraw request.
void updateScene(SceneState& state, FrameBuffer& frame);

}  // namespace veltro
