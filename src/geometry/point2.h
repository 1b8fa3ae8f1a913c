#pragma once

namespace veltro {

// A position in client pixels (x right, y down).
struct Point2 {
    Point2() = default;
    Point2(float xValue, float yValue) : x(xValue), y(yValue) {}

    friend bool operator==(const Point2&, const Point2&) = default;

    float x = 0.0f;
    float y = 0.0f;
};

// One coordinate of (1 - t) a + t b: t * b is rounded to float, (1 - t) * a
// joins the sum unrounded, the sum is rounded to float. `oneMinusT` is 1 - t
// in float. Inline, for the curve kernels that run it per coordinate.
inline float lerpCoordinate(float a, float b, float t, float oneMinusT) {
    const float tb = t * b;
    return static_cast<float>(static_cast<double>(tb) +
                              static_cast<double>(oneMinusT) * static_cast<double>(a));
}

}  // namespace veltro
