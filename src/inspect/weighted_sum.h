#pragma once

#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// sum w(i) P(i) in double, in point order.
InspectionPoint weightedSum(const std::vector<InspectionPoint>& points,
                            const std::vector<double>& weights);

// The x (or y) coordinates alone, for the methods that solve each axis apart.
std::vector<double> coordinates(const std::vector<InspectionPoint>& points, bool x);

}  // namespace veltro
