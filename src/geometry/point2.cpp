#include "geometry/point2.h"

namespace veltro {

Point2 lerp(const Point2& a, const Point2& b, float t) {
    const float oneMinusT = 1.0f - t;
    return Point2(lerpCoordinate(a.getX(), b.getX(), t, oneMinusT),
                  lerpCoordinate(a.getY(), b.getY(), t, oneMinusT));
}

}  // namespace veltro
