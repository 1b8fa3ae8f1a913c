#pragma once

#include <vector>

#include "geometry/control_point.h"
#include "geometry/point2.h"

namespace veltro {

// Press in Move Points mode: every point whose disc contains m is selected,
// every other point deselected.
void pickPoints(std::vector<ControlPoint>& points, const Point2& m);

}  // namespace veltro
