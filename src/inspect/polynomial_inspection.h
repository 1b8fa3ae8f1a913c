#pragma once

#include <cstddef>
#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// The Lagrange basis over the nodes 0 ... count - 1 at t, each weight from
// its product formula, which loses only a few units in the last place per
// node however far the weights swing. A weight beyond double's range is
// NaN.
std::vector<double> lagrangeWeights(std::size_t count, double t);

// The Newton coefficients f[0], f[0, 1], ... over the nodes 0, 1, ...: the
// forward differences of the values divided by i!. Each subtraction's
// rounding is tracked exactly; a coefficient whose accumulated rounding
// could reach a billionth of its size is NaN. Points' coordinates are
// floats, so small scenes come out exact.
std::vector<double> newtonCoefficients(const std::vector<double>& values);

// Weights, C(t) and the Newton coefficients of the interpolating
// polynomial through the inspection's points.
void inspectPolynomial(Inspection& inspection);

}  // namespace veltro
