#pragma once

#include <cstddef>
#include <vector>

#include "geometry/colour.h"
#include "geometry/control_point.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro {

// A filled disc a frame painted, in the colour it was painted in.
struct DrawnDisc {
    ControlPoint disc;
    Colour colour;
};

// Segments of a report that join end to end: one polyline, as drawn.
struct SegmentRun {
    std::size_t first = 0;
    std::size_t count = 0;
};

// What one frame drew, in the order it drew it: first the discs (a slider
// marker is painted while its curve is built, so it comes before the control
// points), then every segment: the control polygon, the curve, its shells.
struct FrameReport {
    std::vector<DrawnDisc> discs;
    std::vector<LineSegment> segments;
    // Cover `segments` in order, one run per polyline.
    std::vector<SegmentRun> runs;

    // Empties the report and keeps its storage for the next frame.
    void clear() {
        discs.clear();
        segments.clear();
        runs.clear();
    }

    // Appends the segments joining consecutive points, all in one colour, as
    // one run. Fewer than two points append nothing.
    void addPolyline(const Point2* points, std::size_t count, const Colour& colour);
    void addPolyline(const std::vector<Point2>& points, const Colour& colour) {
        addPolyline(points.data(), points.size(), colour);
    }
};

}  // namespace veltro
