#pragma once

#include <vector>

#include "curves/casteljau_kernel.h"
#include "curves/scene_state.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro {

// Splits a Bezier control polygon of m points at t = 0.5 into the left
// half's polygon followed by the right half's, sharing the point at 0.5:
// 2m - 1 points into `refined`. `shells`, when given, receives the level
// polylines of the split as the nested evaluator draws them.
void splitAtHalf(const std::vector<Point2>& polygon, std::vector<Point2>& refined,
                 CasteljauScratch& scratch, std::vector<LineSegment>* shells);

// Two passes of splitting the whole of workPolyline at 0.5, which leaves the
// 4n - 3 point polygon in workPolyline and draws it; the first pass's
// polygon is drawn too when shells are on.
void drawMidpointSubdivision(SceneState& state);

}  // namespace veltro
