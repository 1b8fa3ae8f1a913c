#pragma once

#include "app/frame_buffer.h"
#include "curves/frame_report.h"
#include "curves/scene_state.h"

namespace veltro {

// One frame: the update step, then the render step into `frame`. Returns
// what the frame drew.
FrameReport updateScene(SceneState& state, FrameBuffer& frame);

}  // namespace veltro
