#pragma once

#include <vector>

#include "curves/scene_state.h"
#include "geometry/point2.h"

namespace veltro {

// The Newton coefficients of the polynomial through `values` at the nodes
// 0, 1, ..., n - 1: entry i is the divided difference f[t0, ..., ti], the
// first entry of row i + 1 of the table of divided differences. Each
// difference is rounded to float, then divided by its node span and rounded
// again, as the table would; the table is worked in place, one column.
std::vector<float> dividedDifferences(const std::vector<float>& values);

// The polynomial curve at t from the coefficients of both coordinates. The
// node products (t - t0)(t - t1)... are formed in double, each from the one
// before it, and each term is added to the float sum and rounded.
Point2 evaluateNewton(const std::vector<float>& xCoefficients,
                      const std::vector<float>& yCoefficients, float t);

// evaluateNewton at each of `count` parameters, appended to `out` in order.
// Four samples run side by side: each one's arithmetic is exactly that of
// evaluateNewton, but the four chains of rounded sums overlap instead of
// waiting on each other.
void evaluateNewtonAt(const std::vector<float>& xCoefficients,
                      const std::vector<float>& yCoefficients, const std::vector<float>& ts,
                      std::vector<Point2>& out);

// The interpolating polynomial curve through workPolyline, 50 (N - 1) + 1
// samples from t = 0 to t = N - 1.
void drawParametricPolynomial(SceneState& state);

}  // namespace veltro
