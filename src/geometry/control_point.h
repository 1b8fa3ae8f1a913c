#pragma once

#include "geometry/point2.h"
#include "geometry/scene_object.h"

namespace veltro {

// A clicked point, drawn as a filled disc. Copies start afresh: a copy's
// last valid position is its centre and it is not selected; assignment keeps
// the target's box and selection.
class ControlPoint : public SceneObject {
  public:
    static constexpr float kRadius = 10.0f;

    ControlPoint(const Point2& centre, float radius);
    ControlPoint(const ControlPoint& other);
    ControlPoint& operator=(const ControlPoint& other);
    ~ControlPoint() = default;

    // Distance from the centre at most the radius (the rim hits).
    bool contains(const Point2& p) const;
    // Keeps the centre when the whole disc lies in 0..640 x 0..480, otherwise
    // puts it back at the last valid position. Returns true when it moved.
    bool confineToWindow();

    Point2 centre;
    float radius;
};

}  // namespace veltro
