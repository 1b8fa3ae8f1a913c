#include "inspect/spline_inspection.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "inspect/weighted_sum.h"

namespace veltro {

namespace {

// Solves the (1, 4, 1) tridiagonal system in place; it is strictly
// diagonally dominant, so elimination without exchanges is stable.
void solveOneFourOne(std::vector<double>& rhs) {
    const std::size_t m = rhs.size();
    if (m == 0) {
        return;
    }
    std::vector<double> upper(m);
    upper[0] = 0.25;
    rhs[0] = rhs[0] / 4.0;
    for (std::size_t i = 1; i < m; ++i) {
        const double pivot = 4.0 - upper[i - 1];
        upper[i] = 1.0 / pivot;
        rhs[i] = (rhs[i] - rhs[i - 1]) / pivot;
    }
    for (std::size_t i = m - 1; i-- > 0;) {
        rhs[i] = rhs[i] - upper[i] * rhs[i + 1];
    }
}

// The piece of [0, N - 1] that t lies in, and t's place in it.
struct SplinePiece {
    std::size_t left;
    double u;
};

SplinePiece pieceAt(std::size_t count, double t) {
    const double last = static_cast<double>(count - 2);
    const double floor = std::floor(std::clamp(t, 0.0, last));
    return {static_cast<std::size_t>(floor), t - floor};
}

// s on piece [j, j + 1] from its end values and second derivatives.
double splineAt(const std::vector<double>& f, const std::vector<double>& m, SplinePiece piece) {
    const std::size_t j = piece.left;
    const double u = piece.u;
    const double v = 1.0 - u;
    return v * f[j] + u * f[j + 1] + (v * v * v - v) / 6.0 * m[j] +
           (u * u * u - u) / 6.0 * m[j + 1];
}

// Constant, t, t^3, then one truncated cubic per inner knot: s(0) = f(0),
// s'(0) = f(1) - f(0) - M(1) / 6, the t^3 factor M(1) / 6 (M(0) = 0), and at
// knot k the jump of s''' / 6, (M(k+1) - 2 M(k) + M(k-1)) / 6.
std::vector<double> truncatedPowerFactors(const std::vector<double>& f,
                                          const std::vector<double>& m) {
    const std::size_t n = f.size();
    std::vector<double> factors{f[0], f[1] - f[0] - m[1] / 6.0, m[1] / 6.0};
    for (std::size_t k = 1; k + 1 < n; ++k) {
        factors.push_back((m[k + 1] - 2.0 * m[k] + m[k - 1]) / 6.0);
    }
    return factors;
}

}  // namespace

std::vector<double> splineSecondDerivatives(const std::vector<double>& values) {
    const std::size_t n = values.size();
    std::vector<double> m(n, 0.0);
    if (n < 3) {
        return m;
    }
    std::vector<double> inner(n - 2);
    for (std::size_t k = 1; k + 1 < n; ++k) {
        inner[k - 1] = 6.0 * (values[k + 1] - 2.0 * values[k] + values[k - 1]);
    }
    solveOneFourOne(inner);
    std::copy(inner.begin(), inner.end(), m.begin() + 1);
    return m;
}

std::vector<double> splineWeights(std::size_t count, double t) {
    std::vector<double> w(count, 0.0);
    if (count < 2) {
        if (count == 1) {
            w[0] = 1.0;
        }
        return w;
    }
    const SplinePiece piece = pieceAt(count, t);
    const std::size_t j = piece.left;
    const double u = piece.u;
    const double v = 1.0 - u;
    w[j] += v;
    w[j + 1] += u;
    // s(t) = a . f + c . M with M = A^-1 r and r = 6 D f, so the weights
    // gain 6 D^T z where A z = c.
    std::vector<double> z(count > 2 ? count - 2 : 0, 0.0);
    if (j >= 1) {
        z[j - 1] = (v * v * v - v) / 6.0;
    }
    if (j + 1 <= count - 2) {
        z[j] = (u * u * u - u) / 6.0;
    }
    solveOneFourOne(z);
    for (std::size_t k = 1; k + 1 < count; ++k) {
        const double zk = 6.0 * z[k - 1];
        w[k - 1] += zk;
        w[k] -= 2.0 * zk;
        w[k + 1] += zk;
    }
    return w;
}

void inspectSpline(Inspection& inspection) {
    const std::vector<InspectionPoint>& points = inspection.points;
    const std::size_t n = points.size();
    const double t = inspection.parameter.t;
    inspection.weights = splineWeights(n, t);
    const std::vector<double> xs = coordinates(points, true);
    const std::vector<double> ys = coordinates(points, false);
    const std::vector<double> mx = splineSecondDerivatives(xs);
    const std::vector<double> my = splineSecondDerivatives(ys);
    const SplinePiece piece = pieceAt(n, t);
    inspection.curvePoint = InspectionPoint{splineAt(xs, mx, piece), splineAt(ys, my, piece)};
    SplineNumbers numbers;
    numbers.terms = {"1", "t", "t^3"};
    for (std::size_t k = 1; k + 1 < n; ++k) {
        numbers.terms.push_back("(t-" + std::to_string(k) + ")^3+");
    }
    numbers.x = truncatedPowerFactors(xs, mx);
    numbers.y = truncatedPowerFactors(ys, my);
    inspection.spline = std::move(numbers);
}

}  // namespace veltro
