#include "curves/interpolating_spline.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "geometry/wide_kernel.h"

namespace veltro {

namespace {

// The matrix of the system, entry by entry on demand: rows 0 .. N - 1 are the
// basis at the knots 0 .. N - 1, row N its second derivative at N - 1; the
// t^2 term is not a column.
class SplineMatrix {
  public:
    explicit SplineMatrix(std::size_t pointCount) : pointCount_(pointCount) {
        buildSplineBasis(basis_, pointCount);
        secondDerivative_ = basis_;
        for (SplineTerm& term : secondDerivative_) {
            differentiate(term);
            differentiate(term);
        }
    }

    float entry(std::size_t row, std::size_t column) const {
        const std::size_t term = column < 2 ? column : column + 1;
        if (row < pointCount_) {
            return static_cast<float>(valueAtInt(basis_[term], static_cast<std::int64_t>(row)));
        }
        return static_cast<float>(
            valueAtInt(secondDerivative_[term], static_cast<std::int64_t>(pointCount_ - 1)));
    }

  private:
    std::size_t pointCount_;
    SplineTerms basis_;
    SplineTerms secondDerivative_;
};

float divided(float a, float b) {
    return static_cast<float>(static_cast<double>(a) / static_cast<double>(b));
}

// b + (-x) * a: the scaled entry is rounded to float, then the sum.
float eliminated(float b, float x, float a) {
    const float scaled = static_cast<float>(static_cast<double>(-x) * static_cast<double>(a));
    return static_cast<float>(static_cast<double>(b) + static_cast<double>(scaled));
}

struct Unknowns {
    std::vector<float> x;
    std::vector<float> y;
    bool solved = false;
};

// Gauss-Jordan on the (N + 1) x (N + 1) system with both right-hand sides.
// The matrix part is the same for both coordinates, so one elimination
// serves both; each right-hand side sees exactly its own full elimination.
Unknowns solveSystem(const std::vector<Point2>& points) {
    const std::size_t n = points.size();
    const std::size_t last = n;
    const SplineMatrix matrix(n);
    Unknowns u;
    u.x.assign(last + 1, 0.0f);
    u.y.assign(last + 1, 0.0f);
    for (std::size_t k = 0; k < n; ++k) {
        u.x[k] = points[k].x;
        u.y[k] = points[k].y;
    }
    // current[b]: row b's entry in the column being eliminated. Steps before
    // m touch columns up to m only, so the entry right of it is still the
    // matrix's own.
    std::vector<float> current(last + 1);
    for (std::size_t b = 0; b <= last; ++b) {
        current[b] = matrix.entry(b, 0);
    }
    // upper[m]: pivot row m's entry in column m + 1 once the row is scaled.
    std::vector<float> upper(last + 1, 0.0f);

    for (std::size_t m = 0; m <= last; ++m) {
        const float pivot = current[m];
        if (pivot == 0.0f || !std::isfinite(pivot)) {
            return u;
        }
        float right = m < last ? matrix.entry(m, m + 1) : 0.0f;
        if (pivot != 1.0f) {
            right = divided(right, pivot);
            u.x[m] = divided(u.x[m], pivot);
            u.y[m] = divided(u.y[m], pivot);
        }
        upper[m] = right;
        for (std::size_t b = m + 1; b <= last; ++b) {
            const float x = current[b];
            float next = matrix.entry(b, m + 1);
            if (x != 0.0f) {
                if (!std::isfinite(x)) {
                    return u;
                }
                // Column m becomes x + (-x) * 1 = 0 and is not read again.
                next = eliminated(next, x, right);
                u.x[b] = eliminated(u.x[b], x, u.x[m]);
                u.y[b] = eliminated(u.y[b], x, u.y[m]);
            }
            current[b] = next;
        }
    }
    // Back substitution: above row `column` only the row just above it has a
    // nonzero entry in that column.
    for (std::size_t column = last; column >= 1; --column) {
        const float x = upper[column - 1];
        if (x != 0.0f) {
            u.x[column - 1] = eliminated(u.x[column - 1], x, u.x[column]);
            u.y[column - 1] = eliminated(u.y[column - 1], x, u.y[column]);
        }
    }
    u.solved = true;
    return u;
}

void setCoefficients(SplineTerms& terms, const std::vector<float>& unknowns, bool solved) {
    const float unusable = std::numeric_limits<float>::quiet_NaN();
    for (std::size_t j = 0; j < terms.size(); ++j) {
        if (j == 2) {
            terms[j].coefficient = 0.0f;
        } else if (!solved) {
            terms[j].coefficient = unusable;
        } else {
            terms[j].coefficient = unknowns[j < 2 ? j : j - 1];
        }
    }
}

float addTerm(float sum, double value) {
    return static_cast<float>(static_cast<double>(sum) + value);
}

// How many terms the spline sums at t: the truncated terms come last, in
// increasing knot order, so from the first that is zero at t on all are, and
// adding zero would leave the sums as they are.
std::size_t termsAddedAt(const SplineCurve& curve, float t) {
    const std::size_t terms = std::min(curve.x.size(), curve.y.size());
    const auto end = curve.x.begin() + static_cast<std::ptrdiff_t>(terms);
    return static_cast<std::size_t>(
        std::partition_point(curve.x.begin(), end,
                             [t](const SplineTerm& term) { return !vanishesAt(term, t); }) -
        curve.x.begin());
}

// Terms first .. last - 1 added to one sample's sums. Both lists share their
// basis, so the power of each term serves both coordinates.
void addTerms(const SplineCurve& curve, std::size_t first, std::size_t last, float t, float& x,
              float& y) {
    for (std::size_t j = first; j < last; ++j) {
        const SplineTerm& term = curve.x[j];
        if (term.isConstant) {
            x = addTerm(x, static_cast<double>(term.coefficient));
            y = addTerm(y, static_cast<double>(curve.y[j].coefficient));
            continue;
        }
        const double power = powerAt(term, t);
        x = addTerm(x, power * static_cast<double>(term.coefficient));
        y = addTerm(y, power * static_cast<double>(curve.y[j].coefficient));
    }
}

// Samples evaluated side by side; neighbouring samples sum the same terms
// but for at most one or two at the end.
constexpr std::size_t kLanes = 16;

// The first `count` terms added to each lane's sums, every lane through the
// same operations in the same order as addTerms, powerFloat included. A
// lane's float sum is kept in a double lane, rounded to float after every
// addition as addTerm rounds it.
//
// Past the first four terms every term is a truncated cubic, which gets a
// body of its own: the power (b * b) * b is what powerFloat forms for the
// exponent 3, and b = t - knot needs no rounding to float when t < 2^24, since
// every term here has knot < t and the difference of a float and a smaller
// integer below 2^24 is a float. The groups' sums stay in registers, so the
// groups' additions overlap instead of waiting on one another.
VELTRO_WIDE_KERNEL
void addTermsSideBySide(const SplineTerm* xTerms, const SplineTerm* yTerms, std::size_t count,
                        const float* t, float* x, float* y) {
    constexpr std::size_t kGroups = kLanes / 4;
    DoubleLanes at[kGroups];
    DoubleLanes sx[kGroups] = {};
    DoubleLanes sy[kGroups] = {};
    bool shiftIsExact = true;
    for (std::size_t g = 0; g < kGroups; ++g) {
        FloatLanes given;
        std::memcpy(&given, t + 4 * g, sizeof(given));
        widen(given, at[g]);
        for (std::size_t lane = 0; lane < 4; ++lane) {
            shiftIsExact = shiftIsExact && given[lane] >= 0.0f && given[lane] < 16777216.0f;
        }
    }
    for (std::size_t j = 0; j < count; ++j) {
        const SplineTerm& term = xTerms[j];
        const double cx = static_cast<double>(term.coefficient);
        const double cy = static_cast<double>(yTerms[j].coefficient);
        const double knot = static_cast<double>(term.knot);
        if (!term.isConstant && !term.isPlainPower && term.exponent == 3 && shiftIsExact) {
#pragma GCC unroll 4
            for (std::size_t g = 0; g < kGroups; ++g) {
                const DoubleLanes base = at[g] - knot;
                const DoubleLanes power = (base * base) * base;
                sx[g] = sx[g] + power * cx;
                sy[g] = sy[g] + power * cy;
                roundToFloat(sx[g]);
                roundToFloat(sy[g]);
            }
            continue;
        }
        const int exponent = term.exponent > 0 ? term.exponent : 0;
#pragma GCC unroll 4
        for (std::size_t g = 0; g < kGroups; ++g) {
            if (term.isConstant) {
                sx[g] = sx[g] + cx;
                sy[g] = sy[g] + cy;
                roundToFloat(sx[g]);
                roundToFloat(sy[g]);
                continue;
            }
            DoubleLanes base = at[g];
            if (!term.isPlainPower) {
                base = base - knot;
                roundToFloat(base);
            }
            DoubleLanes power = {1.0, 1.0, 1.0, 1.0};
            for (int m = exponent;; m = m / 2) {
                if (m % 2 == 1) {
                    power = base * power;
                }
                if (m < 2) {
                    break;
                }
                base = base * base;
            }
            sx[g] = sx[g] + power * cx;
            sy[g] = sy[g] + power * cy;
            roundToFloat(sx[g]);
            roundToFloat(sy[g]);
        }
    }
    for (std::size_t g = 0; g < kGroups; ++g) {
        const FloatLanes nx = narrow(sx[g]);
        const FloatLanes ny = narrow(sy[g]);
        std::memcpy(x + 4 * g, &nx, sizeof(nx));
        std::memcpy(y + 4 * g, &ny, sizeof(ny));
    }
}

// evaluateSpline at every t, appended to `out` in order.
void appendSplineAt(const SplineCurve& curve, const std::vector<float>& ts,
                    std::vector<Point2>& out) {
    std::size_t i = 0;
    for (; i + kLanes <= ts.size(); i += kLanes) {
        const float* t = &ts[i];
        std::size_t added[kLanes];
        std::size_t common = std::numeric_limits<std::size_t>::max();
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            added[lane] = termsAddedAt(curve, t[lane]);
            common = std::min(common, added[lane]);
        }
        float x[kLanes] = {};
        float y[kLanes] = {};
        addTermsSideBySide(curve.x.data(), curve.y.data(), common, t, x, y);
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            addTerms(curve, common, added[lane], t[lane], x[lane], y[lane]);
            out.emplace_back(x[lane], y[lane]);
        }
    }
    for (; i < ts.size(); ++i) {
        out.push_back(evaluateSpline(curve, ts[i]));
    }
}

}  // namespace

SplineCurve solveInterpolatingSpline(const std::vector<Point2>& points) {
    SplineCurve curve;
    buildSplineBasis(curve.x, points.size());
    buildSplineBasis(curve.y, points.size());
    if (points.size() < 2) {
        return curve;
    }
    const Unknowns unknowns = solveSystem(points);
    setCoefficients(curve.x, unknowns.x, unknowns.solved);
    setCoefficients(curve.y, unknowns.y, unknowns.solved);
    return curve;
}

Point2 evaluateSpline(const SplineCurve& curve, float t) {
    float x = 0.0f;
    float y = 0.0f;
    addTerms(curve, 0, termsAddedAt(curve, t), t, x, y);
    return Point2(x, y);
}

Polyline interpolatingSplineCurve(const std::vector<Point2>& polygon) {
    const std::size_t n = polygon.size();
    if (n < 2) {
        return Polyline{kInterpolatingSplineColour, {}, PolylineRole::Curve, {}};
    }
    const SplineCurve curve = solveInterpolatingSpline(polygon);
    const float end = static_cast<float>(static_cast<double>(n - 1) + 0.011);
    const auto lastNode = static_cast<float>(n - 1);
    std::vector<float> ts;
    WholeRangeWalk(0.0f, end, lastNode, kMaxCurveSamples).run([&](float t) { ts.push_back(t); });
    std::vector<Point2> samples;
    samples.reserve(ts.size());
    appendSplineAt(curve, ts, samples);
    return Polyline{kInterpolatingSplineColour, std::move(samples), PolylineRole::Curve,
                    std::move(ts)};
}

}  // namespace veltro
