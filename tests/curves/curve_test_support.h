#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "curves/curve_colours.h"
#include "curves/scene_frame.h"
#include "curves/scene_state.h"
#include "geometry/colour.h"
#include "geometry/control_point.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro::testing {

// One frame of the scene as the core makes it: the knots prepared, then
// the report composed.
inline FrameReport frameOf(SceneState& state) {
    prepareFrameKnots(state);
    return composeFrame(state);
}

inline void setPoints(SceneState& state, const std::vector<Point2>& centres) {
    state.controlPoints.clear();
    for (const Point2& c : centres) {
        state.controlPoints.emplace_back(c, ControlPoint::kRadius);
    }
}

inline SceneState sceneWith(CurveMethod method, const std::vector<Point2>& centres) {
    SceneState state;
    state.method = method;
    setPoints(state, centres);
    return state;
}

// Points spread over the drawing area by a fixed linear congruential
// sequence, the same on every run.
inline std::vector<Point2> scatteredPoints(std::size_t count, std::uint32_t seed = 12345) {
    std::vector<Point2> points;
    std::uint32_t s = seed;
    const auto next = [&s](float range) {
        s = s * 1664525u + 1013904223u;
        return static_cast<float>(s >> 8) / static_cast<float>(1u << 24) * range;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const float x = 20.0f + next(600.0f);
        const float y = 20.0f + next(440.0f);
        points.emplace_back(std::floor(x), std::floor(y));
    }
    return points;
}

inline std::vector<Polyline> polylinesIn(const FrameReport& report, const Colour& colour) {
    std::vector<Polyline> result;
    for (const Polyline& line : report.polylines) {
        if (line.colour == colour) {
            result.push_back(line);
        }
    }
    return result;
}

inline std::size_t segmentCount(const std::vector<Polyline>& lines) {
    std::size_t count = 0;
    for (const Polyline& line : lines) {
        count += line.points.size() - 1;
    }
    return count;
}

inline std::size_t segmentsIn(const FrameReport& report, const Colour& colour) {
    return segmentCount(polylinesIn(report, colour));
}

// The points of the one polyline in the colour a curve alone is drawn in.
inline std::vector<Point2> curveIn(const FrameReport& report, const Colour& colour) {
    const std::vector<Polyline> lines = polylinesIn(report, colour);
    return lines.empty() ? std::vector<Point2>{} : lines.front().points;
}

inline std::vector<Disc> markersIn(const FrameReport& report) {
    std::vector<Disc> markers;
    for (const Disc& disc : report.discs) {
        if (disc.colour == kSliderMarkerColour) {
            markers.push_back(disc);
        }
    }
    return markers;
}

// (1 - t) a + t b, rounded as the curve kernels round it.
inline Point2 lerp(const Point2& a, const Point2& b, float t) {
    const float oneMinusT = 1.0f - t;
    return Point2(lerpCoordinate(a.x, b.x, t, oneMinusT), lerpCoordinate(a.y, b.y, t, oneMinusT));
}

// De Casteljau's levels of `polygon` at t, each from the one before by lerp:
// level 0 is the polygon, each further level one point shorter.
inline std::vector<std::vector<Point2>> casteljauLevels(const std::vector<Point2>& polygon,
                                                        float t) {
    std::vector<std::vector<Point2>> levels{polygon};
    while (levels.back().size() >= 2) {
        const std::vector<Point2>& last = levels.back();
        std::vector<Point2> next;
        for (std::size_t j = 0; j + 1 < last.size(); ++j) {
            next.push_back(lerp(last[j], last[j + 1], t));
        }
        levels.push_back(std::move(next));
    }
    return levels;
}

inline bool sameBits(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

inline bool samePoint(const Point2& a, const Point2& b) {
    return sameBits(a.x, b.x) && sameBits(a.y, b.y);
}

inline bool finitePoint(const Point2& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace veltro::testing
