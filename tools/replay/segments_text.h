#pragma once

#include <string>
#include <vector>

#include "geometry/line_segment.h"

namespace veltro::replay {

// One line per segment, separated by single spaces: x0 y0 x1 y1 r g b a, each as %.9g
// (nine significant digits give back the same float).
std::string segmentsText(const std::vector<LineSegment>& segments);

}  // namespace veltro::replay
