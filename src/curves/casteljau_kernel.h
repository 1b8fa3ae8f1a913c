#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/colour.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// The working polygon of an in-place de Casteljau evaluation, one array per
// coordinate so that a level is a tight loop over floats.
struct CasteljauScratch {
    std::vector<float> x;
    std::vector<float> y;

    void load(const std::vector<Point2>& polygon) {
        x.resize(polygon.size());
        y.resize(polygon.size());
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            x[i] = polygon[i].x;
            y[i] = polygon[i].y;
        }
    }

    Point2 at(std::size_t i) const { return Point2(x[i], y[i]); }
};

// The next level in place over the first `size` entries: entry j becomes
// lerp(entry j, entry j + 1, t) for j < size - 1. Entry j + 1 is overwritten
// only after entry j has read it; entry size - 1 keeps the level's last
// point.
void casteljauLevel(CasteljauScratch& s, std::size_t size, float t);

// The polyline of the first `count` entries, added to `report` as
// addPolyline keeps it, in storage the report kept from an earlier frame.
inline void appendScratchPolyline(FrameReport& report, const CasteljauScratch& s, std::size_t count,
                                  const Colour& colour, PolylineRole role) {
    std::vector<Point2> points = report.takePoints();
    points.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        points[i] = s.at(i);
    }
    report.addPolyline(colour, std::move(points), role);
}

}  // namespace veltro
