#pragma once

#include <string>

#include "geometry/frame_report.h"

namespace veltro::replay {

// The curve's sample points in the order they are drawn, one line each:
// t x y, separated by single spaces, each as %.9g. Points that could not be
// computed are not drawn and not written. A curve that is not sampled at a
// parameter (midpoint subdivision draws a refined control polygon) is named
// in one '#' comment line instead; a frame without a curve gives nothing.
std::string samplesText(const FrameReport& report);

}  // namespace veltro::replay
