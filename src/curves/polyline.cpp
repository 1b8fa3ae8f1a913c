#include "curves/polyline.h"

namespace veltro {

void appendPolyline(std::vector<LineSegment>& segments, const Point2* points, std::size_t count,
                    const Colour& colour) {
    if (count < 2) {
        return;
    }
    for (std::size_t i = 0; i + 1 < count; ++i) {
        segments.emplace_back(points[i], points[i + 1], colour);
    }
}

}  // namespace veltro
