#include "curves/midpoint_subdivision.h"

#include "curves/curve_colours.h"

namespace veltro {

namespace {

constexpr float kSplitAt = 0.5f;

}  // namespace

void splitAtHalf(const std::vector<Point2>& polygon, std::vector<Point2>& refined,
                 CasteljauScratch& scratch) {
    const std::size_t m = polygon.size();
    refined.clear();
    if (m < 2) {
        refined = polygon;
        return;
    }
    refined.reserve(2 * m - 1);
    scratch.load(polygon);
    // In place, entry 0 holds the first point of the current level, and the
    // last point of level r stays behind at index m - 1 - r, never touched
    // again. So the firsts are collected on the way down, and afterwards the
    // scratch holds the lasts from the bottom level up to level 0: exactly
    // the right half's polygon.
    for (std::size_t size = m; size >= 2; --size) {
        refined.push_back(scratch.at(0));
        casteljauLevel(scratch, size, kSplitAt);
    }
    for (std::size_t i = 0; i < m; ++i) {
        refined.push_back(scratch.at(i));
    }
}

void addMidpointSubdivisionCurve(const std::vector<Point2>& polygon, bool shellsOn,
                                 FrameReport& frame) {
    CasteljauScratch scratch;
    std::vector<Point2> once = frame.takePoints();
    std::vector<Point2> twice = frame.takePoints();
    splitAtHalf(polygon, once, scratch);
    splitAtHalf(once, twice, scratch);
    if (shellsOn) {
        frame.addPolyline(kMidpointFirstPassColour, std::move(once), PolylineRole::Shell);
    }
    frame.addPolyline(kMidpointSecondPassColour, std::move(twice));
}

}  // namespace veltro
