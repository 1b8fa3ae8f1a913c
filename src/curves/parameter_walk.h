#pragma once

#include <cstddef>

namespace veltro {

// Every sampled curve advances its parameter by this much per sample.
inline constexpr float kParameterStep = 0.02f;

// The most samples one curve may take: a walk over a unit interval takes 51,
// so the stepped walk is kept for every curve over up to 2000 parameter
// units (50 * 2000 + 1 samples). A longer one is sampled evenly instead (see
// WholeRangeWalk).
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

// True when the walk from `start` to `end` reaches its end bound within
// `maxSamples` visits: it neither runs into the cap nor stops because the
// step no longer moves t.
inline bool walkFits(float start, float end, std::size_t maxSamples) {
    float t = start;
    for (std::size_t visited = 1; visited <= maxSamples; ++visited) {
        const double next = static_cast<double>(t) + static_cast<double>(kParameterStep);
        if (!(next <= static_cast<double>(end))) {
            return true;
        }
        const float advanced = static_cast<float>(next);
        if (!(advanced > t)) {
            return false;
        }
        t = advanced;
    }
    return false;
}

// Calls visit(t) for `count` values spread evenly from `first` to `last`,
// each formed in double and rounded to float; the last one is `last`
// exactly.
template <typename Visit>
void walkEvenly(float first, float last, std::size_t count, Visit&& visit) {
    if (count < 2) {
        visit(last);
        return;
    }
    const double from = static_cast<double>(first);
    const double span = static_cast<double>(last) - from;
    const double intervals = static_cast<double>(count - 1);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        visit(static_cast<float>(from + span * (static_cast<double>(i) / intervals)));
    }
    visit(last);
}

// A curve's walk over its whole parameter range, `start` to `last`: the
// walk by 0.02 up to `end` whenever it fits in `maxSamples` visits, so every
// ordinary curve keeps exactly those samples. A range too long for that, or
// one so far from zero that adding the step no longer moves a float, is
// sampled more coarsely instead: `maxSamples` values spread evenly from
// `start` to `last`. The curve then still ends where it should rather than
// stopping in mid-air.
class WholeRangeWalk {
  public:
    WholeRangeWalk(float start, float end, float last, std::size_t maxSamples)
        : start_(start),
          end_(end),
          last_(last),
          maxSamples_(maxSamples),
          stepped_(walkFits(start, end, maxSamples)) {}

    // The distance between neighbouring samples.
    double spacing() const {
        if (stepped_) {
            return static_cast<double>(kParameterStep);
        }
        return maxSamples_ < 2 ? 0.0
                               : (static_cast<double>(last_) - static_cast<double>(start_)) /
                                     static_cast<double>(maxSamples_ - 1);
    }

    template <typename Visit>
    void run(Visit&& visit) const {
        if (stepped_) {
            walkParameter(start_, end_, maxSamples_, visit);
        } else {
            walkEvenly(start_, last_, maxSamples_, visit);
        }
    }

  private:
    float start_;
    float end_;
    float last_;
    std::size_t maxSamples_;
    bool stepped_;
};

}  // namespace veltro
