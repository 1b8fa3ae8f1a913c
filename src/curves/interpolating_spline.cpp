#include "curves/interpolating_spline.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"

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
    // Both lists share their basis, so the power of each term serves both
    // coordinates, and the two sums run side by side. The truncated terms
    // come last, in increasing knot order: from the first that is zero at t
    // on, all are, and adding zero leaves the sums as they are.
    float x = 0.0f;
    float y = 0.0f;
    const std::size_t terms = std::min(curve.x.size(), curve.y.size());
    for (std::size_t j = 0; j < terms; ++j) {
        const SplineTerm& term = curve.x[j];
        if (vanishesAt(term, t)) {
            break;
        }
        if (term.isConstant) {
            x = addTerm(x, static_cast<double>(term.coefficient));
            y = addTerm(y, static_cast<double>(curve.y[j].coefficient));
            continue;
        }
        const double power = powerAt(term, t);
        x = addTerm(x, power * static_cast<double>(term.coefficient));
        y = addTerm(y, power * static_cast<double>(curve.y[j].coefficient));
    }
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
    std::vector<Point2> samples;
    std::vector<float> ts;
    WholeRangeWalk(0.0f, end, lastNode, kMaxCurveSamples).run([&](float t) {
        samples.push_back(evaluateSpline(curve, t));
        ts.push_back(t);
    });
    return Polyline{kInterpolatingSplineColour, std::move(samples), PolylineRole::Curve,
                    std::move(ts)};
}

}  // namespace veltro
