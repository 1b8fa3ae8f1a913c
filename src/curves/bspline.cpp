#include "curves/bspline.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "curves/curve_colours.h"
#include "curves/knots.h"
#include "curves/parameter_walk.h"
#include "curves/slider_marker.h"
#include "geometry/wide_kernel.h"

namespace veltro {

namespace {

// Half the width of the window in which the marker and the shells appear.
constexpr double kWindowHalfWidth = 0.03;
// How far the walk may run past the last domain knot.
constexpr double kEndAllowance = 0.011;

// lo <= t <= hi with the lower bound formed in double and the upper bound
// rounded to float.
class ParameterWindow {
  public:
    ParameterWindow(float centre, double halfWidth)
        : low_(static_cast<double>(centre) - halfWidth),
          high_(static_cast<float>(static_cast<double>(centre) + halfWidth)) {}

    bool contains(float t) const { return low_ <= static_cast<double>(t) && t <= high_; }

  private:
    double low_;
    float high_;
};

// q * alpha + previous * beta, each product rounded to float, then the sum.
float combine(float q, float previous, float alpha, float beta) {
    const float a = static_cast<float>(static_cast<double>(q) * static_cast<double>(alpha));
    const float b = static_cast<float>(static_cast<double>(previous) * static_cast<double>(beta));
    return static_cast<float>(static_cast<double>(a) + static_cast<double>(b));
}

// The last span within the domain that is not empty: where the walk ends at
// or past the last domain knot, it evaluates there so that the curve reaches
// its end. -1 when every span of the domain is empty.
std::int64_t lastNonEmptySpan(const KnotSequence& knots, std::int64_t degree,
                              std::int64_t pointCount) {
    for (std::int64_t j = pointCount - 1; j >= degree; --j) {
        const auto i = static_cast<std::size_t>(j);
        if (knots[i] < knots[i + 1]) {
            return j;
        }
    }
    return -1;
}

}  // namespace

std::size_t maxBSplineSamples(std::int64_t degree) {
    const auto d = static_cast<std::size_t>(std::max<std::int64_t>(degree, 1));
    // d (d + 1) / 2 without overflow for any 32-bit degree.
    const std::size_t perSample = d % 2 == 0 ? (d / 2) * (d + 1) : d * ((d + 1) / 2);
    return std::clamp<std::size_t>(kMaxDeBoorCombinations / perSample, 1, kMaxCurveSamples);
}

SpanFinder::SpanFinder(const KnotSequence& knots) : knots_(knots) {
    asFloats_.reserve(knots.size());
    for (std::int32_t k : knots) {
        asFloats_.push_back(static_cast<float>(k));
    }
    nonDecreasing_ = std::is_sorted(asFloats_.begin(), asFloats_.end());
}

std::int64_t SpanFinder::find(float t) const {
    if (!nonDecreasing_) {
        return findSpan(knots_, t);
    }
    // The first knot above t ends the span; the knot before it starts it.
    const auto above = std::upper_bound(asFloats_.begin(), asFloats_.end(), t);
    if (above == asFloats_.begin() || above == asFloats_.end()) {
        return -1;
    }
    return static_cast<std::int64_t>(above - asFloats_.begin()) - 1;
}

namespace {

float rounded(double v) {
    return static_cast<float>(v);
}

FloatLanes rounded(const DoubleLanes& v) {
    return narrow(v);
}

// The weights of entry i's step at t (a double, or four in DoubleLanes):
// alpha = (t - k(i)) / (k(i + reach) - k(i)) and beta = 1 - alpha, each formed
// on its own and rounded to float; NaN where the two knots coincide. Knots
// differ by up to 2^32, so the difference is taken in 64 bits, where it is
// exact.
template <class Time, class Weight>
void stepWeights(const KnotSequence& knots, std::size_t i, std::size_t reach, const Time& t,
                 Weight& alpha, Weight& beta) {
    const std::int64_t lowKnot = knots[i];
    const std::int64_t highKnot = knots[i + reach];
    const std::int64_t width = highKnot - lowKnot;
    if (width == 0) {
        alpha = Weight{} + std::numeric_limits<float>::quiet_NaN();
        beta = alpha;
        return;
    }
    const double w = static_cast<double>(width);
    alpha = rounded((t - static_cast<double>(lowKnot)) / w);
    beta = rounded((static_cast<double>(highKnot) - t) / w);
}

}  // namespace

Point2 deBoorPoint(const std::vector<Point2>& points, const KnotSequence& knots,
                   std::int64_t degree, std::int64_t span, float t, std::vector<Point2>& scratch,
                   std::vector<Polyline>* shells) {
    const auto d = static_cast<std::size_t>(degree);
    const auto first = static_cast<std::size_t>(span - degree);
    scratch.resize(d + 1);
    for (std::size_t m = 0; m <= d; ++m) {
        scratch[m] = points[first + m];
    }
    const double td = static_cast<double>(t);
    // Level r from level r - 1 in place: entry m - 1 of the new level needs
    // entries m - 1 and m of the old one, and m is overwritten only after.
    for (std::size_t r = 1; r <= d; ++r) {
        const std::size_t count = d + 1 - r;
        for (std::size_t m = 1; m <= count; ++m) {
            float alpha = 0.0f;
            float beta = 0.0f;
            stepWeights(knots, first + r + m - 1, d - r + 1, td, alpha, beta);
            const Point2& q = scratch[m];
            const Point2& previous = scratch[m - 1];
            scratch[m - 1] = Point2(combine(q.x, previous.x, alpha, beta),
                                    combine(q.y, previous.y, alpha, beta));
        }
        if (shells != nullptr) {
            const auto end = scratch.begin() + static_cast<std::ptrdiff_t>(count);
            appendPolyline(*shells, kShellColour, {scratch.begin(), end}, PolylineRole::Shell);
        }
    }
    return scratch.front();
}

namespace {

// Samples evaluated side by side when they lie in the same span.
constexpr std::size_t kLanes = 4;

// One float per lane for every point of the working polygon.
struct DeBoorLanes {
    std::vector<FloatLanes> x;
    std::vector<FloatLanes> y;
};

// deBoorPoint without shells for kLanes values of t in the same span, every
// lane through the same operations in the same order. combine rounds each
// product and the sum, formed in double, to float: a double holds the product
// of two floats exactly, and its 53 bits are enough that rounding a sum of
// two floats first to double and then to float gives the float sum, so these
// are the float operations themselves.
VELTRO_WIDE_KERNEL
void deBoorSideBySide(const std::vector<Point2>& points, const KnotSequence& knots, std::size_t d,
                      std::size_t first, const float* t, DeBoorLanes& lanes, Point2* out) {
    lanes.x.resize(d + 1);
    lanes.y.resize(d + 1);
    FloatLanes* x = lanes.x.data();
    FloatLanes* y = lanes.y.data();
    for (std::size_t m = 0; m <= d; ++m) {
        const Point2& p = points[first + m];
        x[m] = FloatLanes{p.x, p.x, p.x, p.x};
        y[m] = FloatLanes{p.y, p.y, p.y, p.y};
    }
    FloatLanes given;
    std::memcpy(&given, t, sizeof(given));
    DoubleLanes td;
    widen(given, td);
    for (std::size_t r = 1; r <= d; ++r) {
        const std::size_t count = d + 1 - r;
        for (std::size_t m = 1; m <= count; ++m) {
            FloatLanes alpha;
            FloatLanes beta;
            stepWeights(knots, first + r + m - 1, d - r + 1, td, alpha, beta);
            x[m - 1] = x[m] * alpha + x[m - 1] * beta;
            y[m - 1] = y[m] * alpha + y[m - 1] * beta;
        }
    }
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
        out[lane] = Point2(x[0][lane], y[0][lane]);
    }
}

}  // namespace

void addBSplineCurve(const std::vector<Point2>& points, std::int32_t degree,
                     const KnotSequence& knots, const SliderAndShells& options,
                     FrameReport& curve) {
    const auto n = static_cast<std::int64_t>(points.size());
    const std::int64_t d = degree;
    // De Boor needs d + 1 points P(J - d) ... P(J) with d <= J <= N - 1: a
    // degree of N or more has no such span, and degree 0 has no levels.
    if (d < 1 || d >= n) {
        return;
    }
    // The frame's preparation builds N + d + 1 knots; anything else was not
    // built for these points, and de Boor would read past it.
    if (knots.size() != static_cast<std::size_t>(n + d + 1)) {
        return;
    }
    const std::int64_t a = knots[static_cast<std::size_t>(d)];
    const std::int64_t b = knots[static_cast<std::size_t>(n)];
    // Both sums in 64 bits: the knots may lie at the ends of the 32-bit range.
    const auto mid = static_cast<float>(static_cast<double>(a + b) * 0.5);
    const auto end = static_cast<float>(static_cast<double>(b) + kEndAllowance);
    const auto start = static_cast<float>(a);
    if (start > end) {
        return;
    }
    const SpanFinder spans(knots);
    const std::int64_t lastSpan = lastNonEmptySpan(knots, d, n);
    const auto lastDomainKnot = static_cast<float>(b);
    const WholeRangeWalk walk(start, end, lastDomainKnot, maxBSplineSamples(d));
    // Where the curve is sampled more coarsely than 0.02, the windows widen
    // to half the spacing, so the marker and the shells still find a sample.
    const double halfWidth = std::max(kWindowHalfWidth, walk.spacing() * 0.5);
    const ParameterWindow sliderWindow(options.sliderT, halfWidth);
    const ParameterWindow midWindow(mid, halfWidth);

    // The walk settles which samples there are, in which spans, and where
    // the marker and the shells go; the points come after, side by side.
    constexpr std::size_t kNone = std::numeric_limits<std::size_t>::max();
    std::size_t markerAt = kNone;
    std::size_t shellsAt = kNone;
    std::vector<float> ts;
    std::vector<std::int64_t> sampleSpans;
    walk.run([&](float t) {
        std::int64_t span = spans.find(t);
        if (span < d || span > n - 1) {
            // Past the domain findSpan finds the span after it, or none where
            // the last knot repeats; before it (only with knots that are not
            // sorted) there is nothing to evaluate.
            if (t < lastDomainKnot || lastSpan < 0) {
                return;
            }
            span = lastSpan;
        }
        const bool inSliderWindow = sliderWindow.contains(t);
        if (options.shellsOn && shellsAt == kNone &&
            (options.sliderOn ? inSliderWindow : midWindow.contains(t))) {
            shellsAt = ts.size();
        }
        if (options.sliderOn && markerAt == kNone && inSliderWindow) {
            markerAt = ts.size();
        }
        ts.push_back(t);
        sampleSpans.push_back(span);
    });

    std::vector<Point2> samples(ts.size());
    std::vector<Point2> scratch;
    DeBoorLanes lanes;
    for (std::size_t i = 0; i < ts.size();) {
        const auto group = sampleSpans.begin() + static_cast<std::ptrdiff_t>(i);
        if (ts.size() - i >= kLanes &&
            std::all_of(group, group + kLanes, [&](std::int64_t s) { return s == *group; })) {
            deBoorSideBySide(points, knots, static_cast<std::size_t>(d),
                             static_cast<std::size_t>(*group - d), &ts[i], lanes, &samples[i]);
            i += kLanes;
            continue;
        }
        samples[i] = deBoorPoint(points, knots, d, *group, ts[i], scratch, nullptr);
        ++i;
    }
    if (shellsAt != kNone) {
        deBoorPoint(points, knots, d, sampleSpans[shellsAt], ts[shellsAt], scratch,
                    &curve.polylines);
    }
    if (markerAt != kNone) {
        addSliderMarker(curve, samples[markerAt]);
    }
    appendPolyline(curve.polylines, Polyline{kBSplineColour, std::move(samples),
                                             PolylineRole::Curve, std::move(ts)});
}

}  // namespace veltro
