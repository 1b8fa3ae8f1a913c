#pragma once

#include <cstddef>

namespace veltro {

// Every sampled curve advances its parameter by this much per sample.
inline constexpr float kParameterStep = 0.02f;

// The most samples one curve may take. A walk over a unit interval takes 51,
// so this leaves every curve over up to 2000 parameter units untouched
// (50 * 2000 + 1 samples) while a knot range of two billion, which would
// otherwise take 10^11 steps, ends after a fraction of a second.
inline constexpr std::size_t kMaxCurveSamples = 100001;

// Calls visit(t) for t = start and then for each next value t + 0.02. The
// sum is formed in double and compared with `end` before it is rounded, so a
// walk from 0 to 1.0 stops at 0.99999958 where the float sum runs low; only
// then is it stored as float. Every visited t is therefore at most `end`.
//
// The walk also stops once the rounded sum no longer moves t (from 524288 on
// a float step is wider than twice 0.02) and after `maxSamples` visits.
// Returns the number of visits.
template <typename Visit>
std::size_t walkParameter(float start, float end, std::size_t maxSamples, Visit&& visit) {
    float t = start;
    std::size_t visited = 0;
    while (visited < maxSamples) {
        visit(t);
        ++visited;
        const double next = static_cast<double>(t) + static_cast<double>(kParameterStep);
        if (!(next <= static_cast<double>(end))) {
            break;
        }
        const float advanced = static_cast<float>(next);
        if (!(advanced > t)) {
            break;
        }
        t = advanced;
    }
    return visited;
}

}  // namespace veltro
