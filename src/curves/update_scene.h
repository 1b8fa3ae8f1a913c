#pragma once

#include "curves/frame_report.h"
#include "curves/scene_state.h"
#include "raster/frame_buffer.h"

namespace veltro {

// One frame: the update step, then the render step into `frame`, with what
// the frame drew in `report`.
void updateScene(SceneState& state, FrameBuffer& frame, FrameReport& report);

// The same with a report of its own.
FrameReport updateScene(SceneState& state, FrameBuffer& frame);

}  // namespace veltro
