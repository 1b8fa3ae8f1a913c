#pragma once

#include <cstdint>
#include <vector>

#include "curves/curve_method.h"
#include "geometry/colour.h"
#include "geometry/control_point.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro {

using KnotSequence = std::vector<std::int32_t>;

// Everything the per-frame pipeline reads and writes: the user's points and
// choices, and the buffers the pipeline rebuilds each frame. The editor's
// state extends it with what only input handling needs.
struct SceneState {
    CurveMethod method = CurveMethod::NestedLinear;

    bool sliderOn = false;
    bool shellsOn = false;
    bool continuityOn = false;
    float sliderT = 0.5f;
    std::int32_t bsplineDegree = 3;
    KnotSequence knotSequence;
    KnotSequence workingKnots;

    std::vector<ControlPoint> controlPoints;

    // Set by whatever changes the picture; cleared by the pipeline.
    bool redrawRequested = false;

    // Pipeline buffers, rebuilt on every frame with at least two points.
    std::vector<LineSegment> segmentList;
    std::vector<ControlPoint> sliderMarkers;
    std::vector<Point2> workPolyline;
    std::vector<std::vector<Point2>> casteljauLevels;
    Colour markerColour{0.0f, 0.0f, 0.0f, 255.0f};
};

}  // namespace veltro
