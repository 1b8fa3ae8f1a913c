#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "inspect/inspection.h"

namespace veltro {

// Samples every weight function of `count` points evenly over [a, b]:
// kBasisSamples per curve, fewer (thinned) so that all curves together keep
// within kMaxBasisValues samples and within `workBudget` / `workPerSample`
// calls' worth of work, and none at all below kMinBasisSamples.
// `weightsAt(u)` gives all weights at u.
std::optional<BasisCurves> sampleBasisCurves(
    std::size_t count, double a, double b, std::size_t workPerSample,
    const std::function<std::vector<double>(double)>& weightsAt);

// The work a whole set of basis curves may take, in units of `workPerSample`.
inline constexpr std::size_t kBasisWorkBudget = std::size_t{1} << 24;

}  // namespace veltro
