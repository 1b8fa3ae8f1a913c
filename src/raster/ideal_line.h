#pragma once

namespace veltro {

// The exact straight line through two float points, read as the minor
// coordinate for a given major coordinate. Used to draw the visible part of
// segments too long to be walked step by step. Exact to a tiny fraction of a
// pixel near the buffer even when the endpoints lie at 1e30: the cross term
// is kept as an unrounded pair of doubles, so nothing cancels away.
class IdealLine {
  public:
    // (u0, v0) and (u1, v1) as (major, minor); u0 != u1.
    IdealLine(float u0, float v0, float u1, float v1);

    double minorAt(double u) const;

  private:
    double du_;
    double dv_;
    double crossHigh_;
    double crossLow_;
};

}  // namespace veltro
