#pragma once

#include <cstddef>
#include <vector>

#include "geometry/colour.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro {

// Appends the segments joining consecutive points, in order, all in one
// colour. Fewer than two points append nothing.
void appendPolyline(std::vector<LineSegment>& segments, const Point2* points, std::size_t count,
                    const Colour& colour);

inline void appendPolyline(std::vector<LineSegment>& segments, const std::vector<Point2>& points,
                           const Colour& colour) {
    appendPolyline(segments, points.data(), points.size(), colour);
}

}  // namespace veltro
