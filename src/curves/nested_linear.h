#pragma once

#include <vector>

#include "curves/casteljau_kernel.h"
#include "curves/frame_report.h"
#include "curves/scene_state.h"
#include "geometry/point2.h"
#include "raster/frame_buffer.h"

namespace veltro {

// De Casteljau's construction of `polygon` at t, computed in place in
// `scratch`; when `shells` is given the polyline of each level below the
// polygon is appended to it, one run per level. Returns the point of the
// last level (the default point for no polygon).
Point2 nestedPoint(const std::vector<Point2>& polygon, float t, CasteljauScratch& scratch,
                   FrameReport* shells);

// The nested linear interpolation curve of the control polygon (52 samples,
// the last at exactly 1), then the slider marker, painted at once, with its
// shells, or without the slider the shells at 0.5. Shells are drawn for an
// evaluation at exactly sliderT only.
void drawNestedLinear(const SceneState& state, const std::vector<Point2>& polygon,
                      FrameBuffer& frame, FrameReport& report);

}  // namespace veltro
