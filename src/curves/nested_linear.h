#pragma once

#include <vector>

#include "app/frame_buffer.h"
#include "curves/casteljau_kernel.h"
#include "curves/scene_state.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro {

// True when an evaluation at t draws its levels as shells: shells are on,
// nested linear interpolation is the method, and t is exactly sliderT.
bool shellRuleHolds(const SceneState& state, float t);

// De Casteljau's construction of workPolyline at t. Appends every level to
// casteljauLevels (the caller has emptied it): level 0 is a copy of the
// polygon, each further level one point shorter. When the shell rule holds
// the levels below the polygon are appended to segmentList as shells.
// Returns the point of the last level (the default point for no polygon).
Point2 evaluateNested(SceneState& state, float t);

// The same point computed in place in `scratch`, without keeping the levels;
// when `shells` is given the polyline of each level below the polygon is
// appended to it as evaluateNested would.
Point2 nestedPoint(const std::vector<Point2>& polygon, float t, CasteljauScratch& scratch,
                   std::vector<LineSegment>* shells);

// The nested linear interpolation curve (52 samples, the last at exactly 1),
// then the slider marker, painted at once, with its shells, or without the
// slider the shells at 0.5.
void drawNestedLinear(SceneState& state, FrameBuffer& frame);

}  // namespace veltro
