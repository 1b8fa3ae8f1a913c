#include "geometry/point2.h"

namespace veltro {

namespace {

float lerpCoordinate(float a, float b, float t, float oneMinusT) {
    const float tb = t * b;
    return static_cast<float>(static_cast<double>(tb) +
                              static_cast<double>(oneMinusT) * static_cast<double>(a));
}

}  // namespace

Point2 lerp(const Point2& a, const Point2& b, float t) {
    const float oneMinusT = 1.0f - t;
    return Point2(lerpCoordinate(a.getX(), b.getX(), t, oneMinusT),
                  lerpCoordinate(a.getY(), b.getY(), t, oneMinusT));
}

}  // namespace veltro
