#pragma once

#include <utility>
#include <vector>

#include "geometry/colour.h"
#include "geometry/point2.h"

namespace veltro {

// A filled disc: a control point or the slider marker.
struct Disc {
    Point2 centre;
    float radius = 0.0f;
    Colour colour;
};

// Points joined one to the next by line segments, all in one colour.
struct Polyline {
    Colour colour;
    std::vector<Point2> points;
};

// Fewer than two points make no segment and are not kept.
inline void appendPolyline(std::vector<Polyline>& lines, const Colour& colour,
                           std::vector<Point2> points) {
    if (points.size() >= 2) {
        lines.push_back(Polyline{colour, std::move(points)});
    }
}

// Geometry in the order it is painted: every disc first (the slider marker
// before the control points, so they cover it), then the polylines over
// them. A construction returns what its curve adds; a frame's report holds
// everything the frame shows.
struct FrameReport {
    std::vector<Disc> discs;
    std::vector<Polyline> polylines;

    void addPolyline(const Colour& colour, std::vector<Point2> points) {
        appendPolyline(polylines, colour, std::move(points));
    }
};

// Calls visit(start, end, colour) for every segment of the report, polyline
// by polyline, in painting order.
template <typename Visit>
void forEachSegment(const FrameReport& report, Visit&& visit) {
    for (const Polyline& line : report.polylines) {
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            visit(line.points[i], line.points[i + 1], line.colour);
        }
    }
}

}  // namespace veltro
