#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "geometry/float_to_int.h"
#include "raster/float_steps.h"
#include "raster/pixel_sinks.h"

namespace veltro::raster::detail {

struct BresenhamState {
    float u;
    float v;
    std::int64_t d;
};

// The integer-decision walk along the major axis u (cursor step su per step)
// with the minor axis v (step sv on diagonal steps).
class BresenhamWalk {
  public:
    BresenhamWalk(float u0, float v0, float su, float sv, float major, float minor, bool yMajor)
        : u0_(u0),
          v0_(v0),
          su_(su),
          sv_(sv),
          d0_(truncToInt(2.0f * minor - major)),
          diagonal_(truncToInt(2.0f * (minor - major))),
          straight_(truncToInt(2.0f * minor)),
          // The loop runs while the counter is below the float extent; the
          // counter is exact as a float up to 2^24, and major >= 0.01.
          steps_(std::max<std::int64_t>(1, truncToInt64(std::ceil(static_cast<double>(major))))),
          yMajor_(yMajor) {}

    std::int64_t steps() const { return steps_; }
    BresenhamState start() const { return {u0_, v0_, d0_}; }

    // Follows from the monotone float rounding of the three terms whenever
    // minor <= major, which the slope test all but guarantees; checked
    // rather than assumed, and a walk without it is run whole.
    bool hasClosedForm() const {
        return straight_ >= 0 && diagonal_ <= 0 && diagonal_ <= d0_ && d0_ <= straight_;
    }

    // The state after k steps, without taking them. Needs hasClosedForm().
    BresenhamState at(std::int64_t k) const {
        const std::int64_t j = diagonalsBefore(k);
        const std::int64_t width = straight_ - diagonal_;
        return {addRepeatedly(u0_, su_, static_cast<std::uint64_t>(k)),
                addRepeatedly(v0_, sv_, static_cast<std::uint64_t>(j)),
                d0_ + k * straight_ - j * width};
    }

    void advance(BresenhamState& s) const {
        s.u = s.u + su_;
        if (s.d >= 0) {
            s.v = s.v + sv_;
            s.d += diagonal_;
        } else {
            s.d += straight_;
        }
    }

    template <class Sink>
    void emitSteps(BresenhamState s, std::int64_t from, std::int64_t to, Sink& sink) const {
        // The axis is fixed for the whole walk: decided once, not per pixel
        // (the per-pixel test cost long x-major lines about a tenth).
        if (yMajor_) {
            emitStepsAlong<true>(s, from, to, sink);
        } else {
            emitStepsAlong<false>(s, from, to, sink);
        }
    }

  private:
    template <bool yMajor, class Sink>
    void emitStepsAlong(BresenhamState s, std::int64_t from, std::int64_t to, Sink& sink) const {
        emitPixel(sink, yMajor, roundHalfUp(s.u), roundHalfUp(s.v));
        for (std::int64_t k = from + 1; k <= to; ++k) {
            advance(s);
            emitPixel(sink, yMajor, roundHalfUp(s.u), roundHalfUp(s.v));
        }
    }

    // Number of diagonal steps among the first k. With A = straight and
    // B = straight - diagonal, the decision after k steps is
    // D0 + k A - j B, and from the first step on it stays in [A - B, A),
    // which fixes j. (D0 lies in [A - B, A]; if it equals A, the first
    // step is diagonal and lands inside.) A zero diagonal step keeps D at
    // D0 >= 0 forever: every step is diagonal.
    std::int64_t diagonalsBefore(std::int64_t k) const {
        if (k == 0) {
            return 0;
        }
        if (diagonal_ == 0) {
            return k;
        }
        const std::int64_t width = straight_ - diagonal_;
        const std::int64_t n = d0_ + (k - 1) * straight_;
        const std::int64_t floorQuotient = n / width - ((n % width != 0 && n < 0) ? 1 : 0);
        return floorQuotient + 1;
    }

    float u0_;
    float v0_;
    float su_;
    float sv_;
    std::int64_t d0_;
    std::int64_t diagonal_;
    std::int64_t straight_;
    std::int64_t steps_;
    bool yMajor_;
};

}  // namespace veltro::raster::detail
