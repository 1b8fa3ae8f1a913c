#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/colour.h"
#include "geometry/point2.h"

namespace veltro {

// What a disc or a line shows, for outputs that name their parts (a figure
// a stylesheet restyles); no frame depends on it.
enum class DiscRole { Point, Marker };
enum class PolylineRole { Curve, Polygon, Shell };

// A filled disc: a control point or the slider marker.
struct Disc {
    Point2 centre;
    float radius = 0.0f;
    Colour colour;
    DiscRole role = DiscRole::Point;
};

// Points joined one to the next by line segments, all in one colour.
struct Polyline {
    Colour colour;
    std::vector<Point2> points;
    PolylineRole role = PolylineRole::Curve;
    // For a curve sampled at parameter values: the parameter of each point,
    // one per point. Empty where the points are no such samples.
    std::vector<float> parameters = {};
};

// Fewer than two points make no segment and are not kept.
inline void appendPolyline(std::vector<Polyline>& lines, Polyline line) {
    if (line.points.size() >= 2) {
        lines.push_back(std::move(line));
    }
}

inline void appendPolyline(std::vector<Polyline>& lines, const Colour& colour,
                           std::vector<Point2> points, PolylineRole role = PolylineRole::Curve) {
    appendPolyline(lines, Polyline{colour, std::move(points), role, {}});
}

// Geometry in the order it is painted: every disc first (the slider marker
// before the control points, so they cover it), then the polylines over
// them. A construction returns what its curve adds; a frame's report holds
// everything the frame shows.
struct FrameReport {
    std::vector<Disc> discs;
    std::vector<Polyline> polylines;

    void addPolyline(const Colour& colour, std::vector<Point2> points,
                     PolylineRole role = PolylineRole::Curve) {
        appendPolyline(polylines, colour, std::move(points), role);
    }

    // Empties the report for the next frame but keeps its storage: the point
    // lists come back from takePoints() in the order the polylines had, so a
    // frame like the last one (two thousand shells of nested linear
    // interpolation hold two million points) allocates nothing.
    void recycle() {
        spare_.clear();
        nextSpare_ = 0;
        for (Polyline& line : polylines) {
            spare_.push_back(std::move(line.points));
            spare_.back().clear();
        }
        polylines.clear();
        discs.clear();
    }

    // An empty point list for a new polyline, with an earlier frame's
    // capacity where recycle() kept one.
    std::vector<Point2> takePoints() {
        if (nextSpare_ < spare_.size()) {
            return std::move(spare_[nextSpare_++]);
        }
        return {};
    }

  private:
    std::vector<std::vector<Point2>> spare_;
    std::size_t nextSpare_ = 0;
};

// Calls visit(start, end, line) for every segment of the report, polyline
// by polyline, in painting order.
template <typename Visit>
void forEachSegmentOfLine(const FrameReport& report, Visit&& visit) {
    for (const Polyline& line : report.polylines) {
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            visit(line.points[i], line.points[i + 1], line);
        }
    }
}

// The same walk for whom the colour is all a segment says.
template <typename Visit>
void forEachSegment(const FrameReport& report, Visit&& visit) {
    forEachSegmentOfLine(report,
                         [&visit](const Point2& start, const Point2& end, const Polyline& line) {
                             visit(start, end, line.colour);
                         });
}

}  // namespace veltro
