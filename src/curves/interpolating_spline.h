#pragma once

#include <vector>

#include "curves/spline_terms.h"
#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// The natural cubic spline through some points, one term list per
// coordinate with the solved coefficients.
struct SplineCurve {
    SplineTerms x;
    SplineTerms y;
};

// Solves the natural spline through `points` at the parameters 0, 1, ...,
// N - 1 in the truncated power basis: N interpolation rows and a zero second
// derivative at the last knot, the t^2 column left out (which makes the
// second derivative zero at t = 0), Gauss-Jordan elimination without row
// exchanges, every entry a float.
//
// Only the entries the elimination can change are touched: row k of the
// matrix is zero beyond column k + 1, so after elimination a pivot row holds
// just its pivot and the entry right of it, and every other entry a full
// sweep would visit gains exactly zero. The result is bit for bit that of
// the full elimination, in O(N^2) time and O(N) memory instead of O(N^3).
//
// A system the elimination cannot solve (a pivot that is zero or not finite,
// or a multiplier that is not finite) has no usable solution: every
// coefficient is then NaN, and the curve draws nothing.
SplineCurve solveInterpolatingSpline(const std::vector<Point2>& points);

// The spline at t, each coordinate summed term by term in a float in list
// order.
Point2 evaluateSpline(const SplineCurve& curve, float t);

// The spline through the control polygon, 50 (N - 1) + 1 samples from t = 0
// to t = N - 1.
Polyline interpolatingSplineCurve(const std::vector<Point2>& polygon);

}  // namespace veltro
