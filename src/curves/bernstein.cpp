#include "curves/bernstein.h"

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "curves/powers.h"

namespace veltro {

namespace {

// The walk's end: 1.011 as a float.
constexpr float kBernsteinEnd = 1.011f;

}  // namespace

std::vector<double> binomialRow(int n) {
    if (n <= 1) {
        return std::vector<double>(n == 1 ? 2 : 1, 1.0);
    }
    std::vector<double> row{1.0, 1.0};
    row.reserve(static_cast<std::size_t>(n) + 1);
    for (int r = 2; r <= n; ++r) {
        const std::size_t size = static_cast<std::size_t>(r) + 1;
        row.push_back(1.0);
        // Right to left, so each sum still reads the previous row's entries.
        for (std::size_t a = size - 2; a >= 2; --a) {
            row[a] = row[a - 1] + row[a];
        }
        row[1] = static_cast<double>(r);
    }
    return row;
}

Point2 bernsteinPoint(const std::vector<Point2>& points, const std::vector<double>& coefficients,
                      float t) {
    if (points.empty() || coefficients.size() != points.size()) {
        return Point2();
    }
    const int n = static_cast<int>(points.size() - 1);
    const float u = static_cast<float>(1.0 - static_cast<double>(t));
    float x = 0.0f;
    float y = 0.0f;
    for (int i = 0; i <= n; ++i) {
        const float a = static_cast<float>(powerFloat(u, n - i));
        const float b = static_cast<float>(powerFloat(t, i));
        // Where a coefficient has overflowed to infinity, one of the powers
        // has underflowed to zero (the true weight is at most 1), so the
        // weight is zero, as it is for every finite coefficient with a zero
        // power; infinity times zero would make the whole curve NaN.
        const float w = (a == 0.0f || b == 0.0f)
                            ? 0.0f
                            : static_cast<float>((coefficients[static_cast<std::size_t>(i)] *
                                                  static_cast<double>(b)) *
                                                 static_cast<double>(a));
        const Point2& p = points[static_cast<std::size_t>(i)];
        const float wx = static_cast<float>(static_cast<double>(p.x) * static_cast<double>(w));
        const float wy = static_cast<float>(static_cast<double>(p.y) * static_cast<double>(w));
        x = static_cast<float>(static_cast<double>(x) + static_cast<double>(wx));
        y = static_cast<float>(static_cast<double>(y) + static_cast<double>(wy));
    }
    return Point2(x, y);
}

Polyline bernsteinCurve(const std::vector<Point2>& polygon) {
    if (polygon.empty()) {
        return Polyline{kBernsteinColour, {}, PolylineRole::Curve, {}};
    }
    // One row for the whole frame: every weight of every sample reads it.
    const std::vector<double> coefficients = binomialRow(static_cast<int>(polygon.size() - 1));
    std::vector<Point2> samples;
    std::vector<float> ts;
    walkParameter(0.0f, kBernsteinEnd, kMaxCurveSamples, [&](float t) {
        samples.push_back(bernsteinPoint(polygon, coefficients, t));
        ts.push_back(t);
    });
    return Polyline{kBernsteinColour, std::move(samples), PolylineRole::Curve, std::move(ts)};
}

}  // namespace veltro
