#include <gtest/gtest.h>

#include "curves/curve_test_support.h"
#include "curves/scene_frame.h"
#include "inspect/inspection.h"
#include "inspect/inspection_json.h"
#include "inspect/polynomial_inspection.h"

namespace veltro {
namespace {

using testing::sceneWith;

const std::vector<Point2> kFourPoints = {{100, 380}, {180, 100}, {460, 100}, {540, 380}};

// The README's worked example: four points at t = 0.5, checked by hand.
TEST(ExactInspection, BernsteinWorkedExample) {
    const SceneState scene = sceneWith(CurveMethod::Bernstein, kFourPoints);
    const Inspection in = inspect(scene, std::nullopt);
    EXPECT_EQ(in.parameter.t, 0.5);
    EXPECT_EQ(in.weights, (std::vector<double>{0.125, 0.375, 0.375, 0.125}));
    ASSERT_TRUE(in.levels);
    ASSERT_EQ(in.levels->size(), 4u);
    const std::vector<std::vector<std::pair<double, double>>> expected = {
        {{100, 380}, {180, 100}, {460, 100}, {540, 380}},
        {{140, 240}, {320, 100}, {500, 240}},
        {{230, 170}, {410, 170}},
        {{320, 170}},
    };
    for (std::size_t r = 0; r < expected.size(); ++r) {
        ASSERT_EQ((*in.levels)[r].size(), expected[r].size());
        for (std::size_t j = 0; j < expected[r].size(); ++j) {
            EXPECT_EQ((*in.levels)[r][j].x, expected[r][j].first) << r << "," << j;
            EXPECT_EQ((*in.levels)[r][j].y, expected[r][j].second) << r << "," << j;
        }
    }
    ASSERT_TRUE(in.curvePoint);
    EXPECT_EQ(in.curvePoint->x, 320.0);
    EXPECT_EQ(in.curvePoint->y, 170.0);
    const std::string start =
        R"({"method":"useBernstein","points":[[100.0,380.0],[180.0,100.0],[460.0,100.0],)"
        R"([540.0,380.0]],"parameter":{"t":0.5,"domain":[0.0,1.0]},"curvePoint":[320.0,170.0],)"
        R"("weights":[0.125,0.375,0.375,0.125],"levels":[[[100.0,380.0],)";
    EXPECT_EQ(inspectionJson(in).substr(0, start.size()), start);
}

// The README's second worked example: the uniform cubic B-spline of four
// points (knots 0 ... 7, domain [3, 4]) at the knot t = 3.
TEST(ExactInspection, UniformCubicBSplineAtAKnot) {
    SceneState scene = sceneWith(CurveMethod::BSpline, kFourPoints);
    scene.sliderT = 3.0f;
    const Inspection in = inspect(scene, std::nullopt);
    ASSERT_TRUE(in.bspline);
    EXPECT_EQ(in.bspline->knots, (KnotSequence{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(in.bspline->span, 3);
    EXPECT_EQ(in.parameter.domainStart, 3.0);
    EXPECT_EQ(in.parameter.domainEnd, 4.0);
    ASSERT_EQ(in.weights.size(), 4u);
    EXPECT_DOUBLE_EQ(in.weights[0], 1.0 / 6.0);
    EXPECT_DOUBLE_EQ(in.weights[1], 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(in.weights[2], 1.0 / 6.0);
    EXPECT_EQ(in.weights[3], 0.0);
    ASSERT_TRUE(in.curvePoint);
    EXPECT_DOUBLE_EQ(in.curvePoint->x, 1280.0 / 6.0);
    EXPECT_DOUBLE_EQ(in.curvePoint->y, 880.0 / 6.0);
    // de Boor over the span: level 1 a third of the way, level 2 halfway
    // between its two first points.
    ASSERT_TRUE(in.levels);
    ASSERT_EQ(in.levels->size(), 4u);
    EXPECT_DOUBLE_EQ((*in.levels)[1][0].x, 100.0 / 3 + 180.0 * 2 / 3);
    EXPECT_DOUBLE_EQ((*in.levels)[2][0].x,
                     (100.0 / 3 + 180.0 * 2 / 3 + 180.0 * 2 / 3 + 460.0 / 3) / 2);
}

// Three equal inner knots make the curve pass through the fifth point.
TEST(ExactInspection, RepeatedKnotPassesThroughItsPoint) {
    SceneState scene = sceneWith(CurveMethod::BSpline, {{40, 400},
                                                        {100, 100},
                                                        {180, 300},
                                                        {250, 80},
                                                        {330, 350},
                                                        {420, 90},
                                                        {500, 300},
                                                        {600, 120}});
    scene.knotSequence = {0, 0, 0, 0, 1, 2, 2, 2, 3, 3, 3, 3};
    scene.sliderT = 2.0f;
    const Inspection in = inspect(scene, std::nullopt);
    ASSERT_TRUE(in.bspline);
    EXPECT_EQ(in.bspline->span, 7);
    ASSERT_EQ(in.bspline->multiplicities.size(), 4u);
    EXPECT_EQ(in.bspline->multiplicities[2].knot, 2);
    EXPECT_EQ(in.bspline->multiplicities[2].multiplicity, 3);
    EXPECT_EQ(in.weights, (std::vector<double>{0, 0, 0, 0, 1, 0, 0, 0}));
    ASSERT_TRUE(in.curvePoint);
    EXPECT_EQ(in.curvePoint->x, 330.0);
    EXPECT_EQ(in.curvePoint->y, 350.0);
}

// Divided differences of small integers against the fractions worked out
// by hand: 0, 100, 50, 200, 10 gives 0, 100, -150/2!, 350/3!, -890/4!.
TEST(ExactInspection, NewtonCoefficientsOfSmallIntegers) {
    EXPECT_EQ(newtonCoefficients({0, 100, 50, 200, 10}),
              (std::vector<double>{0, 100, -75, 350.0 / 6.0, -890.0 / 24.0}));
}

// The natural spline through x = 0, 100, 50, 200, 10 in the truncated power
// basis: 0, 160.536 t, -60.536 t^3, 213.214 (t-1)^3+, -352.857 (t-2)^3+,
// 308.214 (t-3)^3+ (the exact values are multiples of 1/28).
TEST(ExactInspection, SplineTruncatedPowerFactors) {
    const Inspection in = inspect(
        sceneWith(CurveMethod::InterpolatingSpline, {{0, 0}, {100, 0}, {50, 0}, {200, 0}, {10, 0}}),
        std::nullopt);
    ASSERT_TRUE(in.spline);
    const std::vector<double> expected = {0,           4495.0 / 28,  -1695.0 / 28,
                                          5970.0 / 28, -9880.0 / 28, 8630.0 / 28};
    ASSERT_EQ(in.spline->x.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(in.spline->x[i], expected[i], 1e-10) << i;
    }
    EXPECT_EQ(in.spline->terms[5], "(t-3)^3+");
}

}  // namespace
}  // namespace veltro
