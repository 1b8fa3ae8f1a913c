#pragma once

#include <array>

#include "geometry/point2.h"

namespace veltro {

// The part every placed object starts with: its bounding box, the last
// position accepted as inside the window, and the pick flag.
class SceneObject {
  public:
    // Corners: 0 = (min x, min y), 1 = (max x, min y), 2 = (min x, max y),
    // 3 = (max x, max y).
    void setBoundingBox(const Point2& c0, const Point2& c1, const Point2& c2, const Point2& c3) {
        boxCorners = {c0, c1, c2, c3};
    }

    // All four bounds included; corner 1 is not read.
    bool boxContains(const Point2& p) const {
        const float left = boxCorners[0].x;
        const float top = boxCorners[0].y;
        const float bottom = boxCorners[2].y;
        const float right = boxCorners[3].x;
        return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom;
    }

    void storeLastValidPosition(const Point2& p) { lastValidPosition = p; }
    Point2 getLastValidPosition() const { return lastValidPosition; }

    std::array<Point2, 4> boxCorners{};
    Point2 lastValidPosition;
    bool selected = false;
};

}  // namespace veltro
