#pragma once

#include <vector>

#include "curves/casteljau_kernel.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// Splits a Bezier control polygon of m points at t = 0.5 into the left
// half's polygon followed by the right half's, sharing the point at 0.5:
// 2m - 1 points into `refined`.
void splitAtHalf(const std::vector<Point2>& polygon, std::vector<Point2>& refined,
                 CasteljauScratch& scratch);

// Two passes of splitting the whole control polygon at 0.5, which gives a
// 4n - 3 point polygon as the curve; the first pass's polygon comes first
// when shells are on.
void addMidpointSubdivisionCurve(const std::vector<Point2>& polygon, bool shellsOn,
                                 FrameReport& frame);

}  // namespace veltro
