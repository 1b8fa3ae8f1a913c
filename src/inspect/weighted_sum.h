#pragma once

#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// sum w(i) P(i) in double, in point order.
InspectionPoint weightedSum(const std::vector<InspectionPoint>& points,
                            const std::vector<double>& weights);

}  // namespace veltro
