#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "curves/curve_colours.h"
#include "curves/frame_report.h"
#include "curves/scene_state.h"
#include "curves/update_scene.h"
#include "geometry/colour.h"
#include "geometry/control_point.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"
#include "raster/frame_buffer.h"

namespace veltro::testing {

// A 640 x 480 frame with memory of its own, white to start with.
class OwnedFrame {
  public:
    OwnedFrame()
        : pixels_(static_cast<std::size_t>(FrameBuffer::kWidth) * FrameBuffer::kHeight),
          frame_(pixels_.data(), FrameBuffer::kWidth, FrameBuffer::kHeight) {
        frame_.clear();
    }
    FrameBuffer& frame() { return frame_; }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

  private:
    std::vector<std::uint32_t> pixels_;
    FrameBuffer frame_;
};

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

inline std::vector<LineSegment> segmentsIn(const std::vector<LineSegment>& segments,
                                           const Colour& colour) {
    std::vector<LineSegment> result;
    for (const LineSegment& s : segments) {
        if (s.colour() == colour) {
            result.push_back(s);
        }
    }
    return result;
}

// The points of a polyline given as its segments: the start of the first and
// the end of every segment.
inline std::vector<Point2> polylinePoints(const std::vector<LineSegment>& segments) {
    std::vector<Point2> points;
    if (!segments.empty()) {
        points.push_back(segments.front().start());
    }
    for (const LineSegment& s : segments) {
        points.push_back(s.end());
    }
    return points;
}

// The polyline one method draws through `points` in its colour, from a real frame.
inline std::vector<Point2> curvePoints(CurveMethod method, const Colour& colour,
                                       const std::vector<Point2>& points) {
    SceneState state = sceneWith(method, points);
    OwnedFrame frame;
    return polylinePoints(segmentsIn(updateScene(state, frame.frame()).segments, colour));
}

// The slider markers a frame painted.
inline std::vector<ControlPoint> markersIn(const FrameReport& report) {
    std::vector<ControlPoint> markers;
    for (const DrawnDisc& drawn : report.discs) {
        if (drawn.colour == kSliderMarkerColour) {
            markers.push_back(drawn.disc);
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
