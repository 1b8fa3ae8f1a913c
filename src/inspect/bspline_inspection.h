#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "curves/knots.h"
#include "inspect/inspection.h"

namespace veltro {

// The knot interval de Boor's steps run in at t: the J in degree ...
// count - 1 with knot(J) <= t < knot(J + 1), or at the end of the domain
// the last such interval that is not empty; none where there is none (knots
// that go down).
std::optional<std::int64_t> bsplineSpan(const KnotSequence& knots, std::int64_t degree,
                                        std::int64_t count, double t);

// N(J - degree), ..., N(J) at t: de Boor's triangle run backwards from C(t)
// to its first level, so that the weights are exactly the combination
// the levels make, whatever the knots. A zero knot interval makes them NaN.
std::vector<double> deBoorWeights(const KnotSequence& knots, std::int64_t degree, std::int64_t span,
                                  double t);

// Degree, working knots, span, weights, C(t) and de Boor's levels of the
// scene's B-spline, inspected at the slider's t.
void inspectBSpline(const SceneState& scene, Inspection& inspection);

}  // namespace veltro
