#include "inspect/polynomial_inspection.h"

#include <cmath>
#include <limits>

#include "inspect/bezier_inspection.h"
#include "inspect/scaled_product.h"
#include "inspect/weighted_sum.h"

namespace veltro {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// C(t) is the weighted sum; where the weights swing so far that its
// rounding could move it by more than this many pixels, it is not given.
constexpr double kMostCurvePointError = 1e-3;
// A Newton coefficient keeps at least nine correct digits.
constexpr double kMostRelativeError = 1e-9;

std::vector<ScaledProduct> factorials(std::size_t count) {
    std::vector<ScaledProduct> f(count);
    for (std::size_t k = 1; k < count; ++k) {
        f[k] = f[k - 1];
        f[k].multiplyBy(static_cast<double>(k));
    }
    return f;
}

// Knuth's two-sum: the exact rounding error of a - b.
double subtractionError(double a, double b, double difference) {
    const double bPart = difference - a;
    return (a - (difference - bPart)) + (-b - bPart);
}

}  // namespace

std::vector<double> lagrangeWeights(std::size_t count, double t) {
    std::vector<double> w(count, 0.0);
    if (count == 0) {
        return w;
    }
    // At a node the weights are exactly 0 and 1.
    if (t >= 0.0 && t <= static_cast<double>(count - 1) && std::trunc(t) == t) {
        w[static_cast<std::size_t>(t)] = 1.0;
        return w;
    }
    // l(i) = prod_{j < i} (t - j) prod_{j > i} (t - j) / (i! (N - 1 - i)! (-1)^(N - 1 - i)).
    std::vector<ScaledProduct> before(count);
    for (std::size_t i = 1; i < count; ++i) {
        before[i] = before[i - 1];
        before[i].multiplyBy(t - static_cast<double>(i - 1));
    }
    std::vector<ScaledProduct> after(count);
    for (std::size_t i = count - 1; i-- > 0;) {
        after[i] = after[i + 1];
        after[i].multiplyBy(t - static_cast<double>(i + 1));
    }
    const std::vector<ScaledProduct> factorial = factorials(count);
    for (std::size_t i = 0; i < count; ++i) {
        const ScaledProduct& left = factorial[i];
        const ScaledProduct& right = factorial[count - 1 - i];
        const double sign = (count - 1 - i) % 2 == 0 ? 1.0 : -1.0;
        const double value = scaledValue(
            sign * (before[i].mantissa * after[i].mantissa) / (left.mantissa * right.mantissa),
            before[i].exponent + after[i].exponent - left.exponent - right.exponent);
        w[i] = std::isfinite(value) ? value : kNaN;
    }
    return w;
}

std::vector<double> newtonCoefficients(const std::vector<double>& values) {
    const std::size_t n = values.size();
    std::vector<double> coefficients(n, kNaN);
    if (n == 0) {
        return coefficients;
    }
    if (n > kMaxTrianglePoints) {
        return coefficients;
    }
    std::vector<double> d = values;
    std::vector<double> error(n, 0.0);
    const std::vector<ScaledProduct> factorial = factorials(n);
    coefficients[0] = values[0];
    for (std::size_t order = 1; order < n; ++order) {
        // Right to left, so each difference still reads the previous order.
        for (std::size_t k = n - 1; k >= order; --k) {
            const double difference = d[k] - d[k - 1];
            error[k] =
                error[k] + error[k - 1] + std::fabs(subtractionError(d[k], d[k - 1], difference));
            d[k] = difference;
        }
        const double delta = d[order];
        const bool exact = error[order] == 0.0;
        if (!std::isfinite(delta) ||
            !(exact || error[order] <= kMostRelativeError * std::fabs(delta))) {
            continue;
        }
        const ScaledProduct& f = factorial[order];
        const double c = scaledValue(delta / f.mantissa, -f.exponent);
        coefficients[order] = std::isfinite(c) ? c : kNaN;
    }
    return coefficients;
}

void inspectPolynomial(Inspection& inspection) {
    const std::vector<InspectionPoint>& points = inspection.points;
    const std::size_t n = points.size();
    inspection.weights = lagrangeWeights(n, inspection.parameter.t);
    double spread = 0.0;
    bool finite = true;
    for (std::size_t i = 0; i < n; ++i) {
        const double w = inspection.weights[i];
        finite = finite && std::isfinite(w);
        spread += std::fabs(w) * (std::fabs(points[i].x) + std::fabs(points[i].y));
    }
    // Each weight is off by a few units in the last place per node, the sum
    // by as many again.
    const double bound =
        4.0 * static_cast<double>(n) * std::numeric_limits<double>::epsilon() * spread;
    if (finite && bound <= kMostCurvePointError) {
        inspection.curvePoint = weightedSum(points, inspection.weights);
    }
    inspection.newton = NewtonNumbers{newtonCoefficients(coordinates(points, true)),
                                      newtonCoefficients(coordinates(points, false))};
}

}  // namespace veltro
