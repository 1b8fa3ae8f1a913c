#include "curves/parametric_polynomial.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "geometry/wide_kernel.h"

namespace veltro {

namespace {

// The weights (-1)^j C(n - 1, j), up to a common factor, which the quotient
// of the two sums cancels. Whenever they grow past 2^900 all of them are
// scaled by 2^-900: a power of two, so the ratios stay exact, and the
// binomials of thousands of points never overflow. Weights that fall below
// the normal range are set to 0 rather than left to slow every sum down;
// their nodes lie where such a curve is far off screen anyway.
std::vector<double> barycentricWeights(std::size_t n) {
    const double scaleDown = std::ldexp(1.0, -900);
    const double tooLarge = std::ldexp(1.0, 900);
    std::vector<double> w(n);
    if (n == 0) {
        return w;
    }
    w[0] = 1.0;
    for (std::size_t j = 0; j + 1 < n; ++j) {
        if (std::fabs(w[j]) > tooLarge) {
            for (std::size_t i = 0; i <= j; ++i) {
                w[i] *= scaleDown;
                if (std::fabs(w[i]) < DBL_MIN) {
                    w[i] = 0.0;
                }
            }
        }
        // C(n - 1, j + 1) = C(n - 1, j) (n - 1 - j) / (j + 1); exact while the
        // binomials fit in 53 bits, that is for up to 57 points.
        w[j + 1] = -w[j] * static_cast<double>(n - 1 - j) / static_cast<double>(j + 1);
    }
    return w;
}

// The node t is, if it is one: t whole and within 0 ... n - 1.
std::size_t nodeAt(float t, std::size_t n) {
    if (!(t >= 0.0f) || !(t <= static_cast<float>(n - 1)) || std::trunc(t) != t) {
        return n;
    }
    return static_cast<std::size_t>(t);
}

}  // namespace

InterpolatingPolynomial::InterpolatingPolynomial(const std::vector<Point2>& points)
    : weights_(barycentricWeights(points.size())) {
    xs_.reserve(points.size());
    ys_.reserve(points.size());
    bool finite = true;
    for (const Point2& p : points) {
        xs_.push_back(static_cast<double>(p.x));
        ys_.push_back(static_cast<double>(p.y));
        finite = finite && std::isfinite(p.x) && std::isfinite(p.y);
    }
    // A zero weight adds a zero of either sign to each sum, which leaves a
    // sum as it is (a sum that starts at +0 is never -0), as long as its point
    // is finite: beyond a thousand points the weights at both ends underflow
    // to zero, and their terms need not be formed at all.
    firstTerm_ = 0;
    lastTerm_ = weights_.size();
    if (finite) {
        while (firstTerm_ < lastTerm_ && weights_[firstTerm_] == 0.0) {
            ++firstTerm_;
        }
        while (lastTerm_ > firstTerm_ && weights_[lastTerm_ - 1] == 0.0) {
            --lastTerm_;
        }
    }
}

namespace {

// Samples evaluated side by side: enough lanes that the divisions of one
// node overlap instead of waiting on each other.
constexpr std::size_t kLanes = 8;

template <std::size_t Lanes>
struct BarycentricSums {
    double x[Lanes] = {};
    double y[Lanes] = {};
    double sum[Lanes] = {};
};

// The three sums over the nodes first .. last - 1 for one t. Each sum adds
// its terms in node order.
void addTerms(const double* weights, const double* xs, const double* ys, std::size_t first,
              std::size_t last, double t, double& x, double& y, double& sum) {
    for (std::size_t j = first; j < last; ++j) {
        const double q = weights[j] / (t - static_cast<double>(j));
        x = x + q * xs[j];
        y = y + q * ys[j];
        sum = sum + q;
    }
}

// addTerms for kLanes values of t at once, every lane through the same
// operations in the same order.
VELTRO_WIDE_KERNEL
void addTermsSideBySide(const double* weights, const double* xs, const double* ys,
                        std::size_t first, std::size_t last, const double* t,
                        BarycentricSums<kLanes>& s) {
    constexpr std::size_t kGroups = kLanes / 4;
    DoubleLanes at[kGroups];
    DoubleLanes x[kGroups] = {};
    DoubleLanes y[kGroups] = {};
    DoubleLanes sum[kGroups] = {};
    std::memcpy(at, t, sizeof(at));
    for (std::size_t j = first; j < last; ++j) {
        const double node = static_cast<double>(j);
        for (std::size_t g = 0; g < kGroups; ++g) {
            const DoubleLanes q = weights[j] / (at[g] - node);
            x[g] = x[g] + q * xs[j];
            y[g] = y[g] + q * ys[j];
            sum[g] = sum[g] + q;
        }
    }
    std::memcpy(s.x, x, sizeof(x));
    std::memcpy(s.y, y, sizeof(y));
    std::memcpy(s.sum, sum, sizeof(sum));
}

}  // namespace

template <std::size_t Lanes>
void InterpolatingPolynomial::evaluate(const float* ts, Point2* out) const {
    const std::size_t n = weights_.size();
    double t[Lanes];
    std::size_t node[Lanes];
    for (std::size_t lane = 0; lane < Lanes; ++lane) {
        node[lane] = nodeAt(ts[lane], n);
        // At a node the sums would divide by zero; the lane's value is the
        // point itself, and any t that is no node keeps its arithmetic finite.
        t[lane] = node[lane] < n ? 0.5 : static_cast<double>(ts[lane]);
    }
    BarycentricSums<Lanes> s;
    if constexpr (Lanes == kLanes) {
        addTermsSideBySide(weights_.data(), xs_.data(), ys_.data(), firstTerm_, lastTerm_, t, s);
    } else {
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            addTerms(weights_.data(), xs_.data(), ys_.data(), firstTerm_, lastTerm_, t[lane],
                     s.x[lane], s.y[lane], s.sum[lane]);
        }
    }
    for (std::size_t lane = 0; lane < Lanes; ++lane) {
        if (node[lane] < n) {
            out[lane] =
                Point2(static_cast<float>(xs_[node[lane]]), static_cast<float>(ys_[node[lane]]));
        } else if (s.sum[lane] == 0.0) {
            // Only thousands of points cancel this far; nothing is drawn.
            const float nan = std::numeric_limits<float>::quiet_NaN();
            out[lane] = Point2(nan, nan);
        } else {
            out[lane] = Point2(static_cast<float>(s.x[lane] / s.sum[lane]),
                               static_cast<float>(s.y[lane] / s.sum[lane]));
        }
    }
}

Point2 InterpolatingPolynomial::at(float t) const {
    Point2 p;
    evaluate<1>(&t, &p);
    return p;
}

void InterpolatingPolynomial::appendAt(const std::vector<float>& ts,
                                       std::vector<Point2>& out) const {
    std::size_t first = out.size();
    out.resize(first + ts.size());
    std::size_t i = 0;
    for (; i + kLanes <= ts.size(); i += kLanes) {
        evaluate<kLanes>(&ts[i], &out[first + i]);
    }
    for (; i < ts.size(); ++i) {
        evaluate<1>(&ts[i], &out[first + i]);
    }
}

std::vector<float> polynomialSampleParameters(std::size_t pointCount) {
    std::vector<float> ts;
    if (pointCount < 2) {
        return ts;
    }
    const auto lastNode = static_cast<float>(pointCount - 1);
    const auto end = static_cast<float>(static_cast<double>(lastNode) + 0.011);
    WholeRangeWalk(0.0f, end, lastNode, kMaxCurveSamples).run([&](float t) { ts.push_back(t); });
    for (std::size_t k = 0; k < pointCount; ++k) {
        const auto node = static_cast<float>(k);
        auto above = std::lower_bound(ts.begin(), ts.end(), node);
        if (above == ts.end() || (above != ts.begin() && node - *(above - 1) < *above - node)) {
            --above;
        }
        *above = node;
    }
    return ts;
}

Polyline parametricPolynomialCurve(const std::vector<Point2>& polygon) {
    const std::size_t n = polygon.size();
    if (n < 2) {
        return Polyline{kParametricPolynomialColour, {}, PolylineRole::Curve, {}};
    }
    const InterpolatingPolynomial polynomial(polygon);
    std::vector<float> ts = polynomialSampleParameters(n);
    std::vector<Point2> samples;
    samples.reserve(ts.size());
    polynomial.appendAt(ts, samples);
    return Polyline{kParametricPolynomialColour, std::move(samples), PolylineRole::Curve,
                    std::move(ts)};
}

}  // namespace veltro
