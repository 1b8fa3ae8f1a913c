#pragma once

namespace veltro {

// A position in client pixels (x right, y down).
class Point2 {
  public:
    Point2() = default;
    Point2(float x, float y) : x_(x), y_(y) {}

    float getX() const { return x_; }
    float getY() const { return y_; }
    void setX(float x) { x_ = x; }
    void setY(float y) { y_ = y; }

    friend bool operator==(const Point2&, const Point2&) = default;

  private:
    float x_ = 0.0f;
    float y_ = 0.0f;
};

// One coordinate of lerp(a, b, t): t * b is rounded to float, (1 - t) * a
// joins the sum unrounded, the sum is rounded to float. `oneMinusT` is 1 - t
// in float. Inline, for the curve kernels that run it per coordinate.
inline float lerpCoordinate(float a, float b, float t, float oneMinusT) {
    const float tb = t * b;
    return static_cast<float>(static_cast<double>(tb) +
                              static_cast<double>(oneMinusT) * static_cast<double>(a));
}

// (1 - t) a + t b, each coordinate rounded as lerpCoordinate rounds it.
Point2 lerp(const Point2& a, const Point2& b, float t);

}  // namespace veltro
