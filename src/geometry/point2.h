#pragma once

#include "geometry/colour.h"

namespace veltro {

// A position in client pixels (x right, y down) carrying a colour of its own.
class Point2 {
  public:
    Point2() = default;
    Point2(float x, float y) : x_(x), y_(y) {}

    float getX() const { return x_; }
    float getY() const { return y_; }
    void setX(float x) { x_ = x; }
    void setY(float y) { y_ = y; }
    Colour getColour() const { return colour_; }
    void setColour(const Colour& colour) { colour_ = colour; }

    friend bool operator==(const Point2&, const Point2&) = default;

  private:
    float x_ = 0.0f;
    float y_ = 0.0f;
    Colour colour_;
};

// (1 - t) a + t b with the default colour. 1 - t and t * b are rounded to
// float; the (1 - t) * a product joins the sum unrounded.
Point2 lerp(const Point2& a, const Point2& b, float t);

}  // namespace veltro
