#pragma once

#include "curves/scene_state.h"
#include "geometry/frame_report.h"

namespace veltro {

// A frame of the scene is made in two steps, the first the only one that
// changes the model.
//
// The knots the frame's B-spline uses: over three points or more they are
// built afresh into workingKnots, which the dialog then shows, and the
// entered list is seeded as the dialog expects.
void prepareFrameKnots(SceneState& state);

// Everything the frame shows, in painting order: the slider marker, the
// control-point discs, then the control polygon and the chosen curve with
// its shells. The B-spline reads the knots prepareFrameKnots left.
//
// The frame is made in `frame`, whose storage an earlier frame left: the
// core keeps one report and remakes it each frame.
void composeFrame(const SceneState& state, FrameReport& frame);
FrameReport composeFrame(const SceneState& state);

}  // namespace veltro
