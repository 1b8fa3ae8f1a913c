#pragma once

#include <cstddef>
#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// Up to this many points de Casteljau's triangle (about eight million
// combinations) is worked through for the weights, the levels and C(t);
// beyond, the weights come from logarithms and C(t) is their sum, so that
// no number of points can make an inspection hang.
inline constexpr std::size_t kMaxTrianglePoints = 4096;

// The Bernstein polynomials of degree count - 1 at t in [0, 1], by the
// triangle of convex combinations: no binomial overflows, no power
// underflows before its weight truly vanishes.
std::vector<double> bernsteinWeights(std::size_t count, double t);

// The same from logarithms of the binomials and powers, in O(count): a
// relative error near 1e-12, enough for plotting.
std::vector<double> bernsteinWeightsFast(std::size_t count, double t);

// Weights, C(t) and de Casteljau's levels of the Bezier curve of the
// inspection's points at its parameter t (in [0, 1]).
void inspectBezier(Inspection& inspection);

// The two halves of the points' polygon split at 0.5.
MidpointNumbers firstSplit(const std::vector<InspectionPoint>& points);

}  // namespace veltro
