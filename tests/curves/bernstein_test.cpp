#include "curves/bernstein.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "curve_test_support.h"
#include "curves/nested_linear.h"
#include "curves/powers.h"

namespace veltro {
namespace {

using testing::finitePoint;
using testing::samePoint;
using testing::scatteredPoints;

TEST(Binomial, MatchesPascalsTriangle) {
    struct Case {
        int n;
        int k;
        double value;
    };
    for (const Case c : {Case{0, 0, 1.0}, Case{1, 0, 1.0}, Case{1, 1, 1.0}, Case{5, 2, 10.0},
                         Case{5, 5, 1.0}, Case{33, 16, 1166803110.0},
                         // The first coefficients a 32-bit int cannot hold.
                         Case{34, 17, 2333606220.0}, Case{40, 20, 137846528820.0},
                         Case{56, 28, 7648690600760440.0}}) {
        EXPECT_EQ(binomialRow(c.n)[static_cast<std::size_t>(c.k)], c.value) << c.n << " " << c.k;
    }
}

TEST(Binomial, RowsOverflowToInfinityNotToNaN) {
    const std::vector<double> row = binomialRow(1100);
    ASSERT_EQ(row.size(), 1101u);
    EXPECT_EQ(row[550], std::numeric_limits<double>::infinity());
    EXPECT_EQ(row[1], 1100.0);
    for (double c : row) {
        EXPECT_FALSE(std::isnan(c));
    }
}

TEST(Powers, IntegerPowersReachPastThirtyTwoBitsAndSaturate) {
    EXPECT_EQ(powerFloat(0.0f, 0), 1.0);
    EXPECT_EQ(powerInt(1291, 3), 2151685171);
    EXPECT_EQ(powerInt(std::int64_t{1} << 40, 2), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(powerInt(-(std::int64_t{1} << 40), 3), std::numeric_limits<std::int64_t>::min());
}

TEST(Bernstein, TwoPointsGiveTheSegmentStoppingJustShort) {
    const std::vector<Point2> points{{100.0f, 100.0f}, {300.0f, 200.0f}};
    const std::vector<Point2> curve = bernsteinCurve(points).points;
    ASSERT_EQ(curve.size(), 51u);
    EXPECT_TRUE(samePoint(curve.front(), points.front()));
    EXPECT_FALSE(samePoint(curve.back(), points.back()));
    EXPECT_NEAR(curve.back().x, 300.0f, 0.001f);
    for (const Point2& p : curve) {
        EXPECT_NEAR((p.x - 100.0f) * 0.5f, p.y - 100.0f, 1e-3f);
    }
}

TEST(Bernstein, AgreesWithDeCasteljau) {
    for (std::size_t n = 2; n <= 30; n += 4) {
        const std::vector<Point2> points = scatteredPoints(n, static_cast<std::uint32_t>(n + 7));
        const std::vector<double> row = binomialRow(static_cast<int>(n - 1));
        CasteljauScratch scratch;
        for (float t = 0.0f; t <= 1.0f; t += 0.05f) {
            const Point2 b = bernsteinPoint(points, row, t);
            const Point2 c = nestedPoint(points, t, scratch, nullptr);
            EXPECT_NEAR(b.x, c.x, 0.01f) << n << " " << t;
            EXPECT_NEAR(b.y, c.y, 0.01f) << n << " " << t;
        }
    }
}

TEST(Bernstein, ManyPointsStayInsideThePointsBox) {
    // 35 points need C(34, 17), beyond a 32-bit int; 70 points beyond a
    // 64-bit one. With wrapped coefficients the curve leaves the box.
    for (std::size_t n : {34u, 35u, 40u, 70u, 200u}) {
        const std::vector<Point2> points = scatteredPoints(n);
        const std::vector<Point2> curve = bernsteinCurve(points).points;
        ASSERT_EQ(curve.size(), 51u);
        for (const Point2& p : curve) {
            ASSERT_TRUE(finitePoint(p)) << n;
            EXPECT_GE(p.x, 0.0f) << n;
            EXPECT_LE(p.x, 640.0f) << n;
            EXPECT_GE(p.y, 0.0f) << n;
            EXPECT_LE(p.y, 480.0f) << n;
        }
    }
}

TEST(Bernstein, InfiniteCoefficientsGiveZeroWeightsNotNaN) {
    // Degree 1999: the middle coefficients are infinite, their powers zero.
    const std::vector<Point2> points = scatteredPoints(2000);
    for (const Point2& p : bernsteinCurve(points).points) {
        EXPECT_TRUE(finitePoint(p));
    }
}

}  // namespace
}  // namespace veltro
