#pragma once

#include <string>

#include "geometry/frame_report.h"

namespace veltro::replay {

// One line per segment of the report's polylines, in order, separated by
// single spaces: x0 y0 x1 y1 r g b a, each as %.9g (nine significant digits
// give back the same float).
std::string segmentsText(const FrameReport& report);

}  // namespace veltro::replay
