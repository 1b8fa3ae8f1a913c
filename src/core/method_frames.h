#pragma once

#include <array>

#include "curves/curve_method.h"
#include "geometry/frame_report.h"
#include "ui/editor_state.h"

namespace veltro {

// Which methods a picture shows, indexed by CurveMethod.
using MethodSet = std::array<bool, kCurveMethodCount>;
// A report for every method, indexed by CurveMethod.
using MethodFrames = std::array<FrameReport, kCurveMethodCount>;

// For every method, the frame the editor would draw if it were chosen now
// through its Object menu item, which starts the slider or the B-spline
// setup afresh; for the method already chosen, the editor's own frame. The
// state is not touched.
MethodFrames methodFrames(const EditorState& state);
// The same into reports kept from an earlier call, reusing their storage.
void methodFrames(const EditorState& state, MethodFrames& frames);

// The chosen methods' curves from their frames drawn over one another, each
// in its own colour, on one picture with the control points and the grey
// polygon once. Shells and the slider's marker are left out: they would
// hide the curves they explain.
FrameReport overlayFrame(const MethodFrames& frames, const MethodSet& chosen);
// The same into a report kept from an earlier call, reusing its storage.
void overlayFrame(const MethodFrames& frames, const MethodSet& chosen, FrameReport& overlay);

}  // namespace veltro
