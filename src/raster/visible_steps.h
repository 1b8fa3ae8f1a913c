#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "geometry/float_to_int.h"
#include "raster/pixel_sinks.h"

// Finding where a long walk enters and leaves the window without walking to
// it.
namespace veltro::raster::detail {

struct StepRange {
    std::int64_t first;
    std::int64_t last;
};

// The first k in [lo, hi] where a monotone predicate (false, then true)
// holds, or hi + 1. Gallops out from a guess and bisects what is left, so a
// good guess costs a handful of probes and a bad one about two bisections.
template <class Predicate>
std::int64_t firstTrue(std::int64_t lo, std::int64_t hi, std::int64_t guess,
                       const Predicate& holds) {
    if (lo > hi) {
        return lo;
    }
    std::int64_t below = lo - 1;  // known false (or outside the range)
    std::int64_t above = hi + 1;  // known true (or outside the range)
    guess = std::clamp(guess, lo, hi);
    if (holds(guess)) {
        above = guess;
        for (std::int64_t step = 1; above - step > below; step *= 2) {
            if (!holds(above - step)) {
                below = above - step;
                break;
            }
            above -= step;
        }
    } else {
        below = guess;
        for (std::int64_t step = 1; below + step < above; step *= 2) {
            if (holds(below + step)) {
                above = below + step;
                break;
            }
            below += step;
        }
    }
    while (above - below > 1) {
        const std::int64_t mid = below + (above - below) / 2;
        if (holds(mid)) {
            above = mid;
        } else {
            below = mid;
        }
    }
    return above;
}

// How a walk moves, roughly: the major cursor by one per step from u0, the
// minor one by minorRate per step from v0. Only guides the search.
struct Motion {
    double u0;
    double v0;
    double minorRate;
};

// Steps needed to carry a cursor from `from` by `rate` per step to `to`.
inline std::int64_t stepsToReach(double from, double to, double rate) {
    const double steps = (to - from) / rate;
    return std::isnan(steps) ? 0 : truncToInt64(steps);
}

// For a walk of steps 0..lastStep whose major and minor pixel coordinates
// move monotonically (directions majorDir and minorDir), the steps with a
// pixel inside the window form one run: those that have entered the window on
// both axes and not yet left it on either. `pixelAt(k)` gives the (major,
// minor) pixel of step k; `motion` tells where to start looking.
template <class PixelAt>
StepRange visibleSteps(std::int64_t lastStep, int majorDir, int minorDir, const AxisWindow& w,
                       const Motion& motion, const PixelAt& pixelAt) {
    const auto entered = [&](std::int64_t k) {
        const auto [p, q] = pixelAt(k);
        return (majorDir > 0 ? p >= w.major.lo : p <= w.major.hi) &&
               (minorDir > 0 ? q >= w.minor.lo : q <= w.minor.hi);
    };
    const auto left = [&](std::int64_t k) {
        const auto [p, q] = pixelAt(k);
        return (majorDir > 0 ? p > w.major.hi : p < w.major.lo) ||
               (minorDir > 0 ? q > w.minor.hi : q < w.minor.lo);
    };
    // Window edges as cursor positions, in the order the walk meets them.
    const double majorNear = majorDir > 0 ? w.major.lo - 0.5 : w.major.hi + 0.5;
    const double majorFar = majorDir > 0 ? w.major.hi + 0.5 : w.major.lo - 0.5;
    const double minorNear = minorDir > 0 ? w.minor.lo - 0.5 : w.minor.hi + 0.5;
    const double minorFar = minorDir > 0 ? w.minor.hi + 0.5 : w.minor.lo - 0.5;
    const double majorRate = majorDir;
    const double minorRate = minorDir * motion.minorRate;
    const std::int64_t enterGuess = std::max(stepsToReach(motion.u0, majorNear, majorRate),
                                             stepsToReach(motion.v0, minorNear, minorRate));
    const std::int64_t leaveGuess = std::min(stepsToReach(motion.u0, majorFar, majorRate),
                                             stepsToReach(motion.v0, minorFar, minorRate)) +
                                    1;
    const std::int64_t first = firstTrue(0, lastStep, enterGuess, entered);
    // Once left, a walk never comes back: the run ends before the first step
    // at or after `first` that has left.
    const std::int64_t end = firstTrue(first, lastStep, leaveGuess, left);
    return {first, end - 1};
}

}  // namespace veltro::raster::detail
