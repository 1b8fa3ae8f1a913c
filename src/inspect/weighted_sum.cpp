#include "inspect/weighted_sum.h"

namespace veltro {

InspectionPoint weightedSum(const std::vector<InspectionPoint>& points,
                            const std::vector<double>& weights) {
    InspectionPoint sum{0.0, 0.0};
    for (std::size_t i = 0; i < points.size() && i < weights.size(); ++i) {
        sum.x += weights[i] * points[i].x;
        sum.y += weights[i] * points[i].y;
    }
    return sum;
}

std::vector<double> coordinates(const std::vector<InspectionPoint>& points, bool x) {
    std::vector<double> out;
    out.reserve(points.size());
    for (const InspectionPoint& p : points) {
        out.push_back(x ? p.x : p.y);
    }
    return out;
}

}  // namespace veltro
