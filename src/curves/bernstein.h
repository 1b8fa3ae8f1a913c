#pragma once

#include <vector>

#include "geometry/frame_report.h"
#include "geometry/point2.h"

namespace veltro {

// Row n of Pascal's triangle, built row by row by the triangle's additions.
// The entries are doubles: exact while they stay below 2^53 (up to row 56),
// in particular for every row whose entries fit a 32-bit int (up to row 33);
// from row 1030 on the middle entries overflow to infinity.
std::vector<double> binomialRow(int n);

// The Bezier curve of `points` at t as the weighted sum of the points with
// the Bernstein polynomials of degree points.size() - 1 as weights;
// `coefficients` is binomialRow of that degree.
Point2 bernsteinPoint(const std::vector<Point2>& points, const std::vector<double>& coefficients,
                      float t);

// The Bernstein curve of the control polygon, 51 samples from t = 0 to
// t = 0.99999958.
Polyline bernsteinCurve(const std::vector<Point2>& polygon);

}  // namespace veltro
