#pragma once

#include "curves/frame_report.h"
#include "curves/scene_state.h"
#include "raster/frame_buffer.h"

namespace veltro {

// Paints the scene into the frame and reports what it drew: the slider
// marker (painted while its curve is built), the control-point discs, then
// the control polygon and the chosen curve with its shells. Reads the model
// only; the B-spline uses the knots the update step left in workingKnots.
// The report is emptied first; its storage is reused, which spares a frame
// with tens of thousands of shell segments from growing it anew.
void renderScene(const SceneState& state, FrameBuffer& frame, FrameReport& report);

}  // namespace veltro
