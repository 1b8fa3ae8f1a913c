#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "geometry/float_steps.h"
#include "geometry/float_to_int.h"
#include "geometry/ideal_line.h"
#include "geometry/point2.h"

// The two line rasterizers, over any pixel target: `emit(x, y)` receives the
// pixels in drawing order. LineSegment draws into a FrameBuffer through them;
// tests record what they hand over.
//
// Lines may be arbitrarily long (a curve swinging out to 1e30 px is an
// ordinary input), so a long walk never visits its invisible part one pixel
// at a time: it jumps straight to the first visible step, with the exact
// state the step-by-step walk would have there, and emits exactly the
// pixels the plain walk would put inside the window. The DDA does this for
// any finite segment. The Bresenham walk does it up to `Limits::exactExtent`;
// beyond that its float cursor can no longer move by one pixel and the
// visible part of the ideal line is drawn instead.
namespace veltro::raster {

// Inclusive pixel bounds of what a target keeps. Inside them every pixel of
// the walk is emitted, in order; outside them pixels may be left out.
struct PixelWindow {
    std::int64_t xMin;
    std::int64_t xMax;
    std::int64_t yMin;
    std::int64_t yMax;

    bool empty() const { return xMin > xMax || yMin > yMax; }
};

struct Limits {
    // Up to this many steps the whole walk is run: dropping invisible pixels
    // one by one is cheaper than finding where the visible ones start.
    std::int64_t wholeWalkSteps = 512;
    // Up to this major extent the Bresenham walk is reproduced exactly
    // (2^24: float steps of one pixel are exact below it).
    double exactExtent = 16777216.0;
};

namespace detail {

struct Span {
    std::int64_t lo;
    std::int64_t hi;

    bool holds(std::int64_t v) const { return lo <= v && v <= hi; }
};

// The window seen along a walk's major and minor axis.
struct AxisWindow {
    Span major;
    Span minor;
};

inline AxisWindow axisWindow(const PixelWindow& w, bool yMajor) {
    const Span xs{w.xMin, w.xMax};
    const Span ys{w.yMin, w.yMax};
    return yMajor ? AxisWindow{ys, xs} : AxisWindow{xs, ys};
}

// Pixel coordinates always fit: they come from saturated conversions or lie
// between two of them.
template <class Emit>
void emitPixel(Emit& emit, bool yMajor, std::int64_t major, std::int64_t minor) {
    const auto u = static_cast<std::int32_t>(major);
    const auto v = static_cast<std::int32_t>(minor);
    if (yMajor) {
        emit(v, u);
    } else {
        emit(u, v);
    }
}

// Pixels lo..hi along the major axis in one line of the minor axis.
template <class Emit>
void emitRun(Emit& emit, bool yMajor, std::int64_t minor, std::int64_t lo, std::int64_t hi,
             const AxisWindow& w) {
    if (!w.minor.holds(minor)) {
        return;
    }
    const std::int64_t last = std::min(hi, w.major.hi);
    for (std::int64_t major = std::max(lo, w.major.lo); major <= last; ++major) {
        emitPixel(emit, yMajor, major, minor);
    }
}

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

// ---------------------------------------------------------------- DDA --

// A sloped DDA walk: the major coordinate is the integer u0 + k * dir, the
// minor one the float sum v0 + vStep + ... + vStep (k terms), rounded.
struct DdaWalk {
    std::int64_t u0;
    int dir;
    float vStep;
    bool yMajor;

    template <class Emit>
    void emitSteps(float v, std::int64_t from, std::int64_t to, Emit& emit) const {
        emitPixel(emit, yMajor, u0 + from * dir, roundHalfUp(v));
        for (std::int64_t k = from + 1; k <= to; ++k) {
            v = v + vStep;
            emitPixel(emit, yMajor, u0 + k * dir, roundHalfUp(v));
        }
    }
};

// ---------------------------------------------------------- Bresenham --

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

    template <class Emit>
    void emitSteps(BresenhamState s, std::int64_t from, std::int64_t to, Emit& emit) const {
        emitPixel(emit, yMajor_, roundHalfUp(s.u), roundHalfUp(s.v));
        for (std::int64_t k = from + 1; k <= to; ++k) {
            advance(s);
            emitPixel(emit, yMajor_, roundHalfUp(s.u), roundHalfUp(s.v));
        }
    }

  private:
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

// Far beyond the exact extent: one pixel per cursor position the walk would
// pass through inside the window, with the minor coordinate of the ideal line
// snapped to the grid the minor cursor moves on, as the walk's decision does.
template <class Emit>
void drawIdealBresenham(float u0, float v0, float u1, float v1, float dmajor, bool yMajor,
                        const AxisWindow& w, Emit& emit) {
    const double su = u1 < u0 ? -1.0 : 1.0;
    const double sv = v1 < v0 ? -1.0 : 1.0;
    const IdealLine line(u0, v0, u1, v1);
    // Cursor positions are u0 + k su. Below 2^24 they are exact, and the
    // walk's loop bound is the float extent; further out the float cursor
    // would stall, and u0, an integer there, is replaced by positions on the
    // whole numbers up to the first one at or past u1.
    const double phase = static_cast<double>(u0) - std::trunc(static_cast<double>(u0));
    const double first = u0;
    double last = 0.0;
    if (std::fabs(u0) < 16777216.0f) {
        const double extent = std::isfinite(dmajor)
                                  ? static_cast<double>(dmajor)
                                  : std::fabs(static_cast<double>(u1) - static_cast<double>(u0));
        last = first + su * std::ceil(extent);
    } else {
        last = su > 0.0 ? std::ceil(static_cast<double>(u1)) : std::floor(static_cast<double>(u1));
    }
    const double minorPhase = static_cast<double>(v0) - std::trunc(static_cast<double>(v0));
    // Every cursor position phase + n whose pixel can fall inside the major
    // span, in walking order.
    const double nLo = std::floor(static_cast<double>(w.major.lo) - 2.0 - phase);
    const double nHi = std::ceil(static_cast<double>(w.major.hi) + 2.0 - phase);
    const std::int64_t count = truncToInt64(nHi - nLo);
    for (std::int64_t i = 0; i <= count; ++i) {
        const double u =
            phase + (su > 0.0 ? nLo + static_cast<double>(i) : nHi - static_cast<double>(i));
        if (su * (u - first) < 0.0 || su * (last - u) < 0.0) {
            continue;
        }
        const std::int64_t major = truncToInt64(u + 0.5);
        if (!w.major.holds(major)) {
            continue;
        }
        const double v = line.minorAt(u);
        const double snapped = sv > 0.0 ? minorPhase + std::floor(v - minorPhase + 0.5)
                                        : minorPhase - std::floor(minorPhase - v + 0.5);
        const std::int64_t minor = truncToInt64(snapped + 0.5);
        if (w.minor.holds(minor)) {
            emitPixel(emit, yMajor, major, minor);
        }
    }
}

// True when no pixel of a Bresenham walk between the two points can lie in
// the window: the walk strays at most a few pixels beyond the endpoints' box
// (overshoot of a fractional extent, the widened zero extent, rounding).
inline bool boxMissesWindow(float x0, float y0, float x1, float y1, const PixelWindow& w) {
    constexpr double kMargin = 8.0;
    const double xLo = std::min<double>(x0, x1) - kMargin;
    const double xHi = std::max<double>(x0, x1) + kMargin;
    const double yLo = std::min<double>(y0, y1) - kMargin;
    const double yHi = std::max<double>(y0, y1) + kMargin;
    return xHi < static_cast<double>(w.xMin) || xLo > static_cast<double>(w.xMax) ||
           yHi < static_cast<double>(w.yMin) || yLo > static_cast<double>(w.yMax);
}

inline bool allFinite(const Point2& a, const Point2& b) {
    return std::isfinite(a.getX()) && std::isfinite(a.getY()) && std::isfinite(b.getX()) &&
           std::isfinite(b.getY());
}

}  // namespace detail

// Slope-stepping rasterizer: columns (or rows) from the start up to but not
// including the end, the minor coordinate accumulated in float; vertical and
// horizontal segments are runs between the truncated ends, both included.
template <class Emit>
void drawDDA(const Point2& a, const Point2& b, const PixelWindow& window, Emit&& emit,
             const Limits& limits = {}) {
    if (!detail::allFinite(a, b) || window.empty()) {
        return;
    }
    const float ax = a.getX();
    const float ay = a.getY();
    const float bx = b.getX();
    const float by = b.getY();
    const float dx = bx - ax;
    const float dy = by - ay;
    if (dx == 0.0f) {
        detail::emitRun(emit, true, truncToInt(ax), truncToInt(std::min(ay, by)),
                        truncToInt(std::max(ay, by)), detail::axisWindow(window, true));
        return;
    }
    const float m = std::fabs(dy / dx);
    if (dy == 0.0f) {
        detail::emitRun(emit, false, truncToInt(ay), truncToInt(std::min(ax, bx)),
                        truncToInt(std::max(ax, bx)), detail::axisWindow(window, false));
        return;
    }
    if (!(m > 0.0f)) {
        return;  // the slope is not a number, or underflowed to zero
    }
    const bool steep = m > 1.0f;
    const float ua = steep ? ay : ax;
    const float ub = steep ? by : bx;
    const float va = steep ? ax : ay;
    const float vStep = steep ? dx / std::fabs(dy) : (dy < 0.0f ? -m : m);
    const std::int64_t u0 = roundHalfUp(ua);
    const std::int64_t n = static_cast<std::int64_t>(roundHalfUp(ub)) - u0;
    const int dir = n >= 0 ? 1 : -1;
    const std::int64_t count = n >= 0 ? n : -n;
    const std::int64_t lastStep = std::max<std::int64_t>(count - 1, 0);
    const detail::DdaWalk walk{u0, dir, vStep, steep};
    if (count <= limits.wholeWalkSteps) {
        walk.emitSteps(va, 0, lastStep, emit);
        return;
    }
    const detail::AxisWindow w = detail::axisWindow(window, steep);
    const auto pixelAt = [&](std::int64_t k) {
        const float v = addRepeatedly(va, vStep, static_cast<std::uint64_t>(k));
        return std::pair<std::int64_t, std::int64_t>(u0 + k * dir, roundHalfUp(v));
    };
    const detail::StepRange run =
        detail::visibleSteps(lastStep, dir, vStep < 0.0f ? -1 : 1, w,
                             {static_cast<double>(u0), va, std::fabs(vStep)}, pixelAt);
    if (run.first <= run.last) {
        walk.emitSteps(addRepeatedly(va, vStep, static_cast<std::uint64_t>(run.first)), run.first,
                       run.last, emit);
    }
}

// Integer-decision rasterizer over float endpoints: 1 + ceil(major extent)
// pixels from the start, the cursor moving in float steps of one pixel.
template <class Emit>
void drawBresenham(const Point2& start, const Point2& end, const PixelWindow& window, Emit&& emit,
                   const Limits& limits = {}) {
    if (!detail::allFinite(start, end) || window.empty()) {
        return;
    }
    const float x0 = start.getX();
    const float y0 = start.getY();
    const float x1 = end.getX();
    const float y1 = end.getY();
    if (detail::boxMissesWindow(x0, y0, x1, y1, window)) {
        return;
    }
    float dx = x1 - x0;
    float dy = y1 - y0;
    const float sx = dx < 0.0f ? -1.0f : 1.0f;
    const float sy = dy < 0.0f ? -1.0f : 1.0f;
    dx = std::fabs(dx);
    dy = std::fabs(dy);
    if (dx == 0.0f) {
        dx = 0.01f;
    }
    if (!(dx <= limits.exactExtent && dy <= limits.exactExtent)) {
        // Also where the float differences overflowed.
        const bool yMajor = (std::isfinite(dx) && std::isfinite(dy))
                                ? dy / dx >= 1.0f
                                : std::fabs(static_cast<double>(y1) - y0) >=
                                      std::fabs(static_cast<double>(x1) - x0);
        const detail::AxisWindow w = detail::axisWindow(window, yMajor);
        if (yMajor) {
            detail::drawIdealBresenham(y0, x0, y1, x1, dy, true, w, emit);
        } else {
            detail::drawIdealBresenham(x0, y0, x1, y1, dx, false, w, emit);
        }
        return;
    }
    const bool yMajor = dy / dx >= 1.0f;
    const detail::BresenhamWalk walk = yMajor
                                           ? detail::BresenhamWalk(y0, x0, sy, sx, dy, dx, true)
                                           : detail::BresenhamWalk(x0, y0, sx, sy, dx, dy, false);
    if (walk.steps() <= limits.wholeWalkSteps || !walk.hasClosedForm()) {
        walk.emitSteps(walk.start(), 0, walk.steps(), emit);
        return;
    }
    const auto pixelAt = [&](std::int64_t k) {
        const detail::BresenhamState s = walk.at(k);
        return std::pair<std::int64_t, std::int64_t>(roundHalfUp(s.u), roundHalfUp(s.v));
    };
    const int majorDir = (yMajor ? sy : sx) < 0.0f ? -1 : 1;
    const int minorDir = (yMajor ? sx : sy) < 0.0f ? -1 : 1;
    const detail::Motion motion{
        yMajor ? y0 : x0, yMajor ? x0 : y0,
        yMajor ? static_cast<double>(dx) / dy : static_cast<double>(dy) / dx};
    const detail::StepRange run = detail::visibleSteps(
        walk.steps(), majorDir, minorDir, detail::axisWindow(window, yMajor), motion, pixelAt);
    if (run.first <= run.last) {
        walk.emitSteps(walk.at(run.first), run.first, run.last, emit);
    }
}

}  // namespace veltro::raster
