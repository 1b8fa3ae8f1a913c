#pragma once

#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// Adds the slider marker at `at` to the curve's discs. A point that is not
// finite (a degenerate B-spline knot vector can give one) shows no marker.
void addSliderMarker(FrameReport& curve, const Point2& at);

}  // namespace veltro
