#pragma once

#include "geometry/point2.h"

namespace veltro {

// A clicked point, drawn as a filled disc.
struct ControlPoint {
    static constexpr float kRadius = 10.0f;

    ControlPoint(const Point2& c, float r) : centre(c), radius(r) {}

    friend bool operator==(const ControlPoint&, const ControlPoint&) = default;

    // Distance from the centre at most the radius (the rim hits).
    bool contains(const Point2& p) const;
    // The rim's top, left, bottom and right all lie in the frame, its edges
    // included.
    bool insideFrame() const;

    Point2 centre;
    float radius = kRadius;
};

}  // namespace veltro
