#pragma once

#include <cstddef>
#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// The natural cubic spline's second derivatives at the nodes 0 ... N - 1
// (zero at both ends): the tridiagonal system M(k-1) + 4 M(k) + M(k+1) =
// 6 (f(k+1) - 2 f(k) + f(k-1)), solved in double in O(N).
std::vector<double> splineSecondDerivatives(const std::vector<double>& values);

// The cardinal functions at t: weight i is the spline through 1 at node i
// and 0 at the others. They are one row of the linear map from the values
// to s(t), found by one tridiagonal solve with the row's own right-hand
// side (the system is symmetric), in O(N) for all N of them.
std::vector<double> splineWeights(std::size_t count, double t);

// Weights, C(t) and the truncated power coefficients of the natural
// spline through the inspection's points.
void inspectSpline(Inspection& inspection);

}  // namespace veltro
