#include "curves/newton_polynomial.h"

#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"
#include "curves/curve_colours.h"
#include "curves/update_scene.h"

namespace veltro {
namespace {

using testing::OwnedFrame;
using testing::polylinePoints;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

TEST(DividedDifferences, GiveTheNewtonCoefficients) {
    struct Case {
        std::vector<float> values;
        std::vector<float> coefficients;
    };
    for (const Case& c : {
             Case{{5.0f}, {5.0f}},
             Case{{2.0f, 7.0f}, {2.0f, 5.0f}},
             // t^2 + t + 1 at 0, 1, 2
             Case{{1.0f, 3.0f, 7.0f}, {1.0f, 2.0f, 1.0f}},
             // t^3 at 0..3: f[0..3] is the leading factor 1
             Case{{0.0f, 1.0f, 8.0f, 27.0f}, {0.0f, 1.0f, 3.0f, 1.0f}},
             // Coincident values: nodes are indices, so nothing divides by 0
             Case{{4.0f, 4.0f, 4.0f}, {4.0f, 0.0f, 0.0f}},
         }) {
        EXPECT_EQ(dividedDifferences(c.values), c.coefficients);
    }
}

std::vector<Point2> polynomialCurve(const std::vector<Point2>& points) {
    SceneState state = sceneWith(CurveMethod::ParametricPolynomial, points);
    OwnedFrame frame;
    updateScene(state, frame.frame());
    EXPECT_TRUE(state.workPolyline.empty());
    return polylinePoints(segmentsIn(state.segmentList, kParametricPolynomialColour));
}

TEST(ParametricPolynomial, PassesThroughEveryPoint) {
    for (std::size_t n = 2; n <= 9; ++n) {
        const std::vector<Point2> points = scatteredPoints(n, static_cast<std::uint32_t>(n));
        const std::vector<Point2> curve = polynomialCurve(points);
        ASSERT_EQ(curve.size(), 50 * (n - 1) + 1) << n;
        std::vector<float> xs;
        std::vector<float> ys;
        for (const Point2& p : points) {
            xs.push_back(p.getX());
            ys.push_back(p.getY());
        }
        const std::vector<float> cx = dividedDifferences(xs);
        const std::vector<float> cy = dividedDifferences(ys);
        for (std::size_t i = 0; i < n; ++i) {
            const Point2 p = evaluateNewton(cx, cy, static_cast<float>(i));
            EXPECT_NEAR(p.getX(), points[i].getX(), 0.05f) << n << " " << i;
            EXPECT_NEAR(p.getY(), points[i].getY(), 0.05f) << n << " " << i;
        }
    }
}

TEST(ParametricPolynomial, SideBySideEvaluationIsBitForBitTheSingleOne) {
    for (std::size_t n : {2u, 5u, 40u, 300u}) {
        std::vector<float> xs;
        std::vector<float> ys;
        for (const Point2& p : scatteredPoints(n, static_cast<std::uint32_t>(n))) {
            xs.push_back(p.getX());
            ys.push_back(p.getY());
        }
        const std::vector<float> cx = dividedDifferences(xs);
        const std::vector<float> cy = dividedDifferences(ys);
        std::vector<float> ts;
        for (float t = 0.0f; t < static_cast<float>(n - 1); t += 0.13f) {
            ts.push_back(t);
        }
        std::vector<Point2> batch;
        evaluateNewtonAt(cx, cy, ts, batch);
        ASSERT_EQ(batch.size(), ts.size());
        for (std::size_t i = 0; i < ts.size(); ++i) {
            EXPECT_TRUE(testing::samePoint(batch[i], evaluateNewton(cx, cy, ts[i])))
                << n << " " << ts[i];
        }
    }
}

TEST(ParametricPolynomial, TwoPointsGiveTheSegment) {
    const std::vector<Point2> curve = polynomialCurve({{10.0f, 20.0f}, {110.0f, 220.0f}});
    ASSERT_EQ(curve.size(), 51u);
    for (const Point2& p : curve) {
        EXPECT_NEAR((p.getX() - 10.0f) * 2.0f, p.getY() - 20.0f, 1e-3f);
    }
}

TEST(ParametricPolynomial, ThousandsOfPointsFinishAndDrawOnlyWhatIsFinite) {
    // The node products overflow, so most of this curve is not finite; it
    // must still finish, and nothing it hands the rasterizer may fault.
    const std::vector<Point2> curve = polynomialCurve(scatteredPoints(2000));
    EXPECT_GT(curve.size(), 99000u);
    EXPECT_TRUE(std::isfinite(curve.front().getX()));
}

}  // namespace
}  // namespace veltro
