#include "curves/parametric_polynomial.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"
#include "curves/parameter_walk.h"

namespace veltro {
namespace {

using testing::scatteredPoints;

std::vector<Point2> polynomialCurve(const std::vector<Point2>& points) {
    return parametricPolynomialCurve(points).points;
}

// How close the curve comes to its points and to the exact polynomial is
// checked in exact arithmetic by tests/replay/polynomial_exact_check.py.

TEST(ParametricPolynomial, SideBySideEvaluationIsBitForBitTheSingleOne) {
    for (std::size_t n : {2u, 5u, 40u, 300u, 1500u}) {
        const InterpolatingPolynomial polynomial(scatteredPoints(n, static_cast<std::uint32_t>(n)));
        std::vector<float> ts;
        for (float t = 0.0f; t < static_cast<float>(n - 1); t += 0.13f) {
            ts.push_back(t);
        }
        ts.push_back(1.0f);  // a node among ordinary parameters
        std::vector<Point2> batch;
        polynomial.appendAt(ts, batch);
        ASSERT_EQ(batch.size(), ts.size());
        for (std::size_t i = 0; i < ts.size(); ++i) {
            EXPECT_TRUE(testing::samePoint(batch[i], polynomial.at(ts[i]))) << n << " " << ts[i];
        }
    }
}

TEST(ParametricPolynomial, TwoPointsGiveTheSegment) {
    const std::vector<Point2> curve = polynomialCurve({{10.0f, 20.0f}, {110.0f, 220.0f}});
    ASSERT_EQ(curve.size(), 51u);
    for (const Point2& p : curve) {
        EXPECT_NEAR((p.x - 10.0f) * 2.0f, p.y - 20.0f, 1e-3f);
    }
}

TEST(ParametricPolynomial, TooManyPointsForTheStepAreSampledEvenlyAndWhole) {
    // A hundred points more than the walk by 0.02 can take within the cap
    // (its float sums run slightly slow, so a few more would still fit).
    const std::size_t n = kMaxCurveSamples / 50 + 100;
    const std::vector<Point2> points = scatteredPoints(n);
    const std::vector<Point2> curve = polynomialCurve(points);
    EXPECT_EQ(curve.size(), kMaxCurveSamples);
    EXPECT_TRUE(testing::samePoint(curve.front(), points.front()));
    EXPECT_TRUE(testing::samePoint(curve.back(), points.back()));
}

}  // namespace
}  // namespace veltro
