#include "curves/scene_frame.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"

namespace veltro {
namespace {

using testing::frameOf;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;

TEST(SceneFrame, FewerThanTwoPointsShowOnlyTheirDiscs) {
    for (std::size_t n : {0u, 1u}) {
        SceneState state = sceneWith(CurveMethod::NestedLinear, scatteredPoints(n));
        state.sliderOn = true;
        state.shellsOn = true;
        const FrameReport report = frameOf(state);
        EXPECT_TRUE(report.polylines.empty()) << n;
        EXPECT_EQ(report.discs.size(), n);
    }
}

TEST(SceneFrame, OnlyTheBSplineOverThreePointsBuildsKnots) {
    struct Case {
        CurveMethod method;
        std::size_t points;
        bool continuity;
        KnotSequence entered;
        KnotSequence enteredAfter;
        KnotSequence working;
    };
    const std::vector<Case> cases{
        {CurveMethod::BSpline, 4, false, {}, {0}, {0, 1, 2, 3, 4, 5, 6, 7}},
        {CurveMethod::BSpline, 4, true, {}, {}, {0, 0, 0, 0, 1, 1, 1, 1}},
        {CurveMethod::BSpline, 2, false, {}, {}, {}},
        {CurveMethod::Bernstein, 4, false, {}, {}, {}},
    };
    for (const Case& c : cases) {
        SceneState state = sceneWith(c.method, scatteredPoints(c.points));
        state.continuityOn = c.continuity;
        state.knotSequence = c.entered;
        prepareFrameKnots(state);
        EXPECT_EQ(state.knotSequence, c.enteredAfter) << c.points;
        EXPECT_EQ(state.workingKnots, c.working) << c.points;
    }
}

TEST(SceneFrame, MarkerFirstAndPolygonFirst) {
    const std::vector<Point2> points = scatteredPoints(5);
    SceneState state = sceneWith(CurveMethod::NestedLinear, points);
    state.sliderOn = true;
    const FrameReport report = frameOf(state);
    ASSERT_EQ(report.discs.size(), 6u);
    EXPECT_EQ(report.discs[0].colour, kSliderMarkerColour);
    EXPECT_EQ(report.discs[1].colour, kControlPointColour);
    ASSERT_GE(report.polylines.size(), 2u);
    EXPECT_EQ(report.polylines[0].colour, kControlPolygonColour);
    ASSERT_EQ(report.polylines[0].points.size(), points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        EXPECT_TRUE(samePoint(report.polylines[0].points[i], points[i]));
    }
}

TEST(SceneFrame, SegmentCountsPerMethod) {
    struct Case {
        CurveMethod method;
        std::size_t points;
        bool slider;
        bool shells;
        std::size_t segments;
    };
    const std::vector<Case> cases{
        // Polygon N - 1, curve 51, shells (N - 2)(N - 1) / 2.
        {CurveMethod::NestedLinear, 2, true, true, 1 + 51},
        {CurveMethod::NestedLinear, 3, true, true, 2 + 51 + 1},
        {CurveMethod::NestedLinear, 6, false, true, 5 + 51 + 10},
        {CurveMethod::NestedLinear, 6, false, false, 5 + 51},
        // Curve 50 segments, no shells whatever the options.
        {CurveMethod::Bernstein, 2, true, true, 1 + 50},
        {CurveMethod::Bernstein, 7, true, true, 6 + 50},
        // Second pass 4N - 4, first pass 2N - 2 with shells.
        {CurveMethod::Midpoint, 2, false, false, 1 + 4},
        {CurveMethod::Midpoint, 3, false, true, 2 + 8 + 4},
        // Curve 50 (N - 1).
        {CurveMethod::ParametricPolynomial, 2, true, true, 1 + 50},
        {CurveMethod::ParametricPolynomial, 5, true, true, 4 + 200},
        {CurveMethod::InterpolatingSpline, 2, true, true, 1 + 50},
        {CurveMethod::InterpolatingSpline, 5, true, true, 4 + 200},
        // Default knots: 50 (N - 3) segments; the shells d (d - 1) / 2 = 3
        // appear in the middle of the domain when the slider is off.
        {CurveMethod::BSpline, 2, true, true, 1},
        {CurveMethod::BSpline, 4, false, false, 3 + 50},
        {CurveMethod::BSpline, 4, false, true, 3 + 50 + 3},
        {CurveMethod::BSpline, 6, false, true, 5 + 150 + 3},
    };
    for (const Case& c : cases) {
        SceneState state = sceneWith(c.method, scatteredPoints(c.points));
        state.sliderOn = c.slider;
        state.shellsOn = c.shells;
        // Every command that turns the slider off puts sliderT at 0.5.
        state.sliderT = c.slider ? 0.615f : 0.5f;
        EXPECT_EQ(testing::segmentCount(frameOf(state).polylines), c.segments)
            << static_cast<int>(c.method) << " with " << c.points << " points";
    }
}

}  // namespace
}  // namespace veltro
