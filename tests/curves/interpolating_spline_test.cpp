#include "curves/interpolating_spline.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"

namespace veltro {
namespace {

using testing::finitePoint;
using testing::sameBits;
using testing::scatteredPoints;

// The elimination as the plain textbook sweep over every entry of the full
// matrix, to hold the banded solver to.
std::vector<float> denseUnknowns(const std::vector<float>& values) {
    const std::size_t n = values.size();
    SplineTerms basis;
    buildSplineBasis(basis, n);
    SplineTerms second = basis;
    for (SplineTerm& term : second) {
        differentiate(term);
        differentiate(term);
    }
    std::vector<std::vector<float>> rows;
    for (std::size_t k = 0; k <= n; ++k) {
        std::vector<float> row;
        const SplineTerms& terms = k < n ? basis : second;
        const std::int64_t at = static_cast<std::int64_t>(k < n ? k : n - 1);
        for (const SplineTerm& term : terms) {
            row.push_back(static_cast<float>(valueAtInt(term, at)));
        }
        row.push_back(k < n ? values[k] : 0.0f);
        row.erase(row.begin() + 2);
        rows.push_back(row);
    }
    const std::size_t last = n;
    for (std::size_t m = 0; m <= last; ++m) {
        const float pivot = rows[m][m];
        if (pivot != 1.0f) {
            for (float& e : rows[m]) {
                e = e / pivot;
            }
        }
        for (std::size_t b = m + 1; b <= last; ++b) {
            const float x = rows[b][m];
            if (x != 0.0f) {
                for (std::size_t j = 0; j < rows[b].size(); ++j) {
                    rows[b][j] = rows[b][j] + (-x) * rows[m][j];
                }
            }
        }
    }
    for (std::size_t col = last + 1; col-- > 0;) {
        for (std::size_t i = col; i-- > 0;) {
            const float x = rows[i][col];
            if (x != 0.0f) {
                for (std::size_t j = 0; j < rows[i].size(); ++j) {
                    rows[i][j] = rows[i][j] + (-x) * rows[col][j];
                }
            }
        }
    }
    std::vector<float> unknowns;
    for (const auto& row : rows) {
        unknowns.push_back(row.back());
    }
    return unknowns;
}

std::vector<float> solvedCoefficients(const SplineTerms& terms) {
    std::vector<float> c;
    for (std::size_t j = 0; j < terms.size(); ++j) {
        if (j != 2) {
            c.push_back(terms[j].coefficient);
        }
    }
    return c;
}

TEST(InterpolatingSpline, FivePointCoefficients) {
    std::vector<Point2> points;
    for (float x : {0.0f, 100.0f, 50.0f, 200.0f, 10.0f}) {
        points.emplace_back(x, 0.0f);
    }
    const SplineCurve curve = solveInterpolatingSpline(points);
    ASSERT_EQ(curve.x.size(), 7u);
    const float expected[] = {0.0f, 160.536f, 0.0f, -60.536f, 213.214f, -352.857f, 308.214f};
    for (std::size_t j = 0; j < 7; ++j) {
        EXPECT_NEAR(curve.x[j].coefficient, expected[j], 0.001f) << j;
    }
    EXPECT_EQ(curve.x[4].knot, 1);
    EXPECT_EQ(curve.x[6].knot, 3);
}

TEST(InterpolatingSpline, BandedEliminationIsBitForBitTheFullOne) {
    std::vector<std::vector<Point2>> inputs;
    for (std::size_t n = 2; n <= 45; ++n) {
        inputs.push_back(scatteredPoints(n, static_cast<std::uint32_t>(3 * n)));
    }
    inputs.push_back(std::vector<Point2>(9, Point2(0.0f, 0.0f)));
    inputs.push_back(std::vector<Point2>(6, Point2(300.0f, -2.5f)));
    for (const std::vector<Point2>& points : inputs) {
        std::vector<float> xs;
        std::vector<float> ys;
        for (const Point2& p : points) {
            xs.push_back(p.x);
            ys.push_back(p.y);
        }
        const SplineCurve curve = solveInterpolatingSpline(points);
        const std::vector<float> fx = denseUnknowns(xs);
        const std::vector<float> fy = denseUnknowns(ys);
        const std::vector<float> bx = solvedCoefficients(curve.x);
        const std::vector<float> by = solvedCoefficients(curve.y);
        ASSERT_EQ(bx.size(), fx.size());
        for (std::size_t j = 0; j < fx.size(); ++j) {
            EXPECT_TRUE(sameBits(bx[j], fx[j])) << points.size() << " x " << j;
            EXPECT_TRUE(sameBits(by[j], fy[j])) << points.size() << " y " << j;
        }
    }
}

std::vector<Point2> splineCurve(const std::vector<Point2>& points) {
    return interpolatingSplineCurve(points).points;
}

TEST(InterpolatingSpline, PassesThroughEveryPoint) {
    for (std::size_t n = 2; n <= 20; n += 3) {
        const std::vector<Point2> points = scatteredPoints(n, static_cast<std::uint32_t>(n));
        const std::vector<Point2> curve = splineCurve(points);
        ASSERT_EQ(curve.size(), 50 * (n - 1) + 1);
        const SplineCurve spline = solveInterpolatingSpline(points);
        for (std::size_t i = 0; i < n; ++i) {
            const Point2 p = evaluateSpline(spline, static_cast<float>(i));
            // The truncated powers cancel in float: the error grows with N.
            const float tolerance = 0.02f * static_cast<float>(n);
            EXPECT_NEAR(p.x, points[i].x, tolerance) << n << " " << i;
            EXPECT_NEAR(p.y, points[i].y, tolerance) << n << " " << i;
        }
    }
}

TEST(InterpolatingSpline, TwoPointsGiveTheSegment) {
    const SplineCurve spline = solveInterpolatingSpline({{10.0f, 20.0f}, {110.0f, 70.0f}});
    EXPECT_EQ(spline.x[0].coefficient, 10.0f);
    EXPECT_EQ(spline.x[1].coefficient, 100.0f);
    EXPECT_EQ(spline.x[3].coefficient, 0.0f);
    EXPECT_EQ(splineCurve({{10.0f, 20.0f}, {110.0f, 70.0f}}).size(), 51u);
}

TEST(InterpolatingSpline, SecondDerivativeVanishesAtBothEnds) {
    const std::vector<Point2> points = scatteredPoints(8);
    const SplineCurve spline = solveInterpolatingSpline(points);
    const float last = 7.0f;
    for (const SplineTerms* terms : {&spline.x, &spline.y}) {
        EXPECT_EQ((*terms)[2].coefficient, 0.0f);  // t^2: zero at t = 0
        double atEnd = 6.0 * (*terms)[3].coefficient * last;
        for (std::size_t j = 4; j < terms->size(); ++j) {
            atEnd += 6.0 * (*terms)[j].coefficient * (last - static_cast<float>((*terms)[j].knot));
        }
        EXPECT_NEAR(atEnd, 0.0, 0.05);
    }
}

// One term at t with its solved factor, the product in double.
double valueAt(const SplineTerm& term, float t) {
    if (term.isConstant) {
        return static_cast<double>(term.coefficient);
    }
    if (vanishesAt(term, t)) {
        return 0.0;
    }
    return powerAt(term, t) * static_cast<double>(term.coefficient);
}

TEST(InterpolatingSpline, EvaluationIsTheTermByTermSum) {
    for (std::size_t n : {2u, 3u, 9u, 30u}) {
        const SplineCurve spline = solveInterpolatingSpline(scatteredPoints(n));
        for (float t = 0.0f; t <= static_cast<float>(n - 1); t += 0.37f) {
            float x = 0.0f;
            float y = 0.0f;
            for (std::size_t j = 0; j < spline.x.size(); ++j) {
                x = static_cast<float>(static_cast<double>(x) + valueAt(spline.x[j], t));
                y = static_cast<float>(static_cast<double>(y) + valueAt(spline.y[j], t));
            }
            const Point2 p = evaluateSpline(spline, t);
            EXPECT_TRUE(sameBits(p.x, x)) << n << " " << t;
            EXPECT_TRUE(sameBits(p.y, y)) << n << " " << t;
        }
    }
}

// The curve evaluates its samples many side by side; each must be the lone
// evaluation at its t, also where neighbouring samples sum different numbers
// of terms.
TEST(InterpolatingSpline, CurveSamplesAreTheLoneEvaluations) {
    for (std::size_t n : {2u, 3u, 17u, 40u, 300u}) {
        const std::vector<Point2> points = scatteredPoints(n);
        const SplineCurve spline = solveInterpolatingSpline(points);
        const Polyline curve = interpolatingSplineCurve(points);
        ASSERT_EQ(curve.points.size(), curve.parameters.size());
        for (std::size_t i = 0; i < curve.parameters.size(); ++i) {
            const Point2 alone = evaluateSpline(spline, curve.parameters[i]);
            ASSERT_TRUE(sameBits(curve.points[i].x, alone.x) &&
                        sameBits(curve.points[i].y, alone.y))
                << n << " points, t = " << curve.parameters[i];
        }
    }
}

TEST(InterpolatingSpline, ThousandsOfPointsFinish) {
    const std::vector<Point2> curve = splineCurve(scatteredPoints(2000));
    EXPECT_GT(curve.size(), 99000u);
    EXPECT_TRUE(finitePoint(curve.front()));
}

}  // namespace
}  // namespace veltro
