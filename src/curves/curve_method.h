#pragma once

namespace veltro {

// The curve drawn over the control points; exactly one at a time.
enum class CurveMethod {
    NestedLinear,
    Bernstein,
    Midpoint,
    ParametricPolynomial,
    InterpolatingSpline,
    BSpline,
};

}  // namespace veltro
