#pragma once

#include <vector>

#include "curves/casteljau_kernel.h"
#include "curves/frame_report.h"
#include "curves/scene_state.h"
#include "geometry/point2.h"

namespace veltro {

// Splits a Bezier control polygon of m points at t = 0.5 into the left
// half's polygon followed by the right half's, sharing the point at 0.5:
// 2m - 1 points into `refined`.
void splitAtHalf(const std::vector<Point2>& polygon, std::vector<Point2>& refined,
                 CasteljauScratch& scratch);

// Two passes of splitting the whole control polygon at 0.5, which gives a
// 4n - 3 point polygon, drawn; the first pass's polygon is drawn too when
// shells are on.
void drawMidpointSubdivision(const SceneState& state, const std::vector<Point2>& polygon,
                             FrameReport& report);

}  // namespace veltro
