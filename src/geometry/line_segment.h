#pragma once

#include "geometry/colour.h"
#include "geometry/point2.h"

namespace veltro {

// Two endpoints and the colour of every pixel drawn for them.
class LineSegment {
  public:
    LineSegment(const Point2& start, const Point2& end, const Colour& colour)
        : start_(start), end_(end), colour_(colour) {}

    const Point2& start() const { return start_; }
    const Point2& end() const { return end_; }
    const Colour& colour() const { return colour_; }
    void setColour(const Colour& colour) { colour_ = colour; }

  private:
    Point2 start_;
    Point2 end_;
    Colour colour_;
};

}  // namespace veltro
