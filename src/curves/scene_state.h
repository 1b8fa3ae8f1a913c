#pragma once

#include <cstdint>
#include <vector>

#include "curves/curve_method.h"
#include "curves/knots.h"
#include "geometry/control_point.h"

namespace veltro {

// What a frame is drawn from: the user's points and choices, and the knots
// the last frame used. The editor's state extends it with what only input
// handling needs.
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

    // Equal scenes draw equal frames: what undo compares and restores.
    friend bool operator==(const SceneState&, const SceneState&) = default;
};

}  // namespace veltro
