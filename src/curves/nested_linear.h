#pragma once

#include <vector>

#include "curves/casteljau_kernel.h"
#include "curves/slider_and_shells.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// De Casteljau's construction of `polygon` at t, computed in place in
// `scratch`; when `shells` is given the polyline of each level below the
// polygon is added to it. Returns the point of the last level (the
// default point for no polygon).
Point2 nestedPoint(const std::vector<Point2>& polygon, float t, CasteljauScratch& scratch,
                   FrameReport* shells);

// The nested linear interpolation curve of the control polygon (52 samples,
// the last at exactly 1), with the slider marker, and the shells at sliderT,
// or without the slider at 0.5. Shells belong to an evaluation at exactly
// sliderT only, so a curve sample there brings its own set, before the curve.
// Appended to `frame`.
void addNestedLinearCurve(const std::vector<Point2>& polygon, const SliderAndShells& options,
                          FrameReport& frame);

}  // namespace veltro
