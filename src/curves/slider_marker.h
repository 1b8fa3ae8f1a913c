#pragma once

#include "curves/frame_report.h"
#include "geometry/control_point.h"
#include "raster/frame_buffer.h"

namespace veltro {

// Paints the slider marker at once, under everything the frame draws later,
// and reports it. A marker at a point that is not finite (a degenerate
// B-spline knot vector can give one) paints nothing.
void paintSliderMarker(const ControlPoint& marker, FrameBuffer& frame, FrameReport& report);

}  // namespace veltro
