#include "curves/update_scene.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"

namespace veltro {
namespace {

using testing::OwnedFrame;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kDiscPixel = 0xFFC7CCu;
constexpr std::uint32_t kMarkerPixel = 0xFF5048u;

TEST(UpdateScene, FewerThanTwoPointsKeepTheLastSegments) {
    for (std::size_t n : {0u, 1u}) {
        SceneState state = sceneWith(CurveMethod::NestedLinear, scatteredPoints(n));
        const LineSegment old(Point2(1.0f, 1.0f), Point2(50.0f, 1.0f), kShellColour);
        state.segmentList = {old, old};
        state.sliderMarkers.emplace_back(Point2(300.0f, 300.0f), ControlPoint::kRadius);
        state.redrawRequested = true;
        OwnedFrame frame;
        updateScene(state, frame.frame());
        EXPECT_EQ(state.segmentList.size(), 2u) << n;
        EXPECT_EQ(state.sliderMarkers.size(), 1u) << n;
        EXPECT_FALSE(state.redrawRequested);
        EXPECT_EQ(state.markerColour, kControlPointColour);
        // The kept segments are drawn again.
        EXPECT_EQ(frame.frame().at(20, 1), 0x072C2Du) << n;
    }
}

TEST(UpdateScene, PolygonComesFirstAndEveryFrameStartsAfresh) {
    const std::vector<Point2> points = scatteredPoints(5);
    SceneState state = sceneWith(CurveMethod::Bernstein, points);
    OwnedFrame frame;
    updateScene(state, frame.frame());
    updateScene(state, frame.frame());
    ASSERT_EQ(state.segmentList.size(), 4u + 50u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(state.segmentList[i].colour(), kControlPolygonColour);
        EXPECT_TRUE(samePoint(state.segmentList[i].start(), points[i]));
        EXPECT_TRUE(samePoint(state.segmentList[i].end(), points[i + 1]));
    }
    state.method = CurveMethod::Midpoint;
    updateScene(state, frame.frame());
    EXPECT_TRUE(segmentsIn(state.segmentList, kBernsteinColour).empty());
}

TEST(UpdateScene, SegmentCountsPerMethod) {
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
        OwnedFrame frame;
        updateScene(state, frame.frame());
        EXPECT_EQ(state.segmentList.size(), c.segments)
            << static_cast<int>(c.method) << " with " << c.points << " points";
    }
}

TEST(UpdateScene, MarkerLiesUnderTheDiscsAndTheSegments) {
    // The marker at t = 0 sits on the first point, whose disc covers it.
    SceneState state = sceneWith(CurveMethod::NestedLinear, {{100.0f, 100.0f}, {500.0f, 100.0f}});
    state.sliderOn = true;
    state.sliderT = 0.0f;
    OwnedFrame frame;
    updateScene(state, frame.frame());
    ASSERT_EQ(state.sliderMarkers.size(), 1u);
    EXPECT_EQ(state.markerColour, kControlPointColour);
    std::size_t markerPixels = 0;
    for (std::uint32_t word : frame.pixels()) {
        markerPixels += word == kMarkerPixel ? 1 : 0;
    }
    EXPECT_EQ(markerPixels, 0u);
    EXPECT_EQ(frame.frame().at(100, 95), kDiscPixel);
    // Away from the points the marker shows, crossed by the curve.
    state.sliderT = 0.5f;
    frame.frame().clear();
    updateScene(state, frame.frame());
    EXPECT_EQ(frame.frame().at(300, 95), kMarkerPixel);
    EXPECT_NE(frame.frame().at(300, 100), kMarkerPixel);
    EXPECT_NE(frame.frame().at(300, 100), kWhite);
}

}  // namespace
}  // namespace veltro
