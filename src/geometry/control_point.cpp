#include "geometry/control_point.h"

#include <cmath>

namespace veltro {

ControlPoint::ControlPoint(const Point2& c, float r) : centre(c), radius(r) {
    storeLastValidPosition(centre);
}

ControlPoint::ControlPoint(const ControlPoint& other)
    : SceneObject(), centre(other.centre), radius(other.radius) {
    storeLastValidPosition(centre);
}

ControlPoint& ControlPoint::operator=(const ControlPoint& other) {
    if (this != &other) {
        centre = other.centre;
        radius = other.radius;
        storeLastValidPosition(centre);
    }
    return *this;
}

bool ControlPoint::contains(const Point2& p) const {
    const float dx = p.x - centre.x;
    const float dy = p.y - centre.y;
    return std::sqrt(dx * dx + dy * dy) <= radius;
}

bool ControlPoint::confineToWindow() {
    const float cx = centre.x;
    const float cy = centre.y;
    const float r = radius;
    const auto inside = [](float x, float y) {
        return 0.0f <= x && x <= 640.0f && 0.0f <= y && y <= 480.0f;
    };
    if (inside(cx, cy - r) && inside(cx - r, cy) && inside(cx, cy + r) && inside(cx + r, cy)) {
        storeLastValidPosition(centre);
        return false;
    }
    centre = getLastValidPosition();
    return true;
}

}  // namespace veltro
