#include "raster/ideal_line.h"

namespace veltro {

// v(u) = v0 + (u - u0) * dv / du = (u * dv + (u1 * v0 - u0 * v1)) / du.
// Products of two floats are exact in double, so the cross term is exact as
// a two-sum.
IdealLine::IdealLine(float u0, float v0, float u1, float v1)
    : du_(static_cast<double>(u1) - static_cast<double>(u0)),
      dv_(static_cast<double>(v1) - static_cast<double>(v0)) {
    twoSum(static_cast<double>(u1) * static_cast<double>(v0),
           -(static_cast<double>(u0) * static_cast<double>(v1)), crossHigh_, crossLow_);
}

}  // namespace veltro
