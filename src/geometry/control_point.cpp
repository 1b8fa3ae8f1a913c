#include "geometry/control_point.h"

#include <cmath>

#include "geometry/frame_size.h"

namespace veltro {

bool ControlPoint::contains(const Point2& p) const {
    const float dx = p.x - centre.x;
    const float dy = p.y - centre.y;
    return std::sqrt(dx * dx + dy * dy) <= radius;
}

bool ControlPoint::insideFrame() const {
    constexpr auto kRight = static_cast<float>(kFrameWidth);
    constexpr auto kBottom = static_cast<float>(kFrameHeight);
    const auto inside = [](float x, float y) {
        return 0.0f <= x && x <= kRight && 0.0f <= y && y <= kBottom;
    };
    const float cx = centre.x;
    const float cy = centre.y;
    const float r = radius;
    return inside(cx, cy - r) && inside(cx - r, cy) && inside(cx, cy + r) && inside(cx + r, cy);
}

}  // namespace veltro
