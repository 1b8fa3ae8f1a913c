#include "curves/nested_linear.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"
#include "curves/update_scene.h"

namespace veltro {
namespace {

using testing::OwnedFrame;
using testing::polylinePoints;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

SceneState drawn(const std::vector<Point2>& points, bool slider, bool shells, float sliderT) {
    SceneState state = sceneWith(CurveMethod::NestedLinear, points);
    state.sliderOn = slider;
    state.shellsOn = shells;
    state.sliderT = sliderT;
    OwnedFrame frame;
    updateScene(state, frame.frame());
    return state;
}

TEST(NestedLinear, CurveHasFiftyTwoSamplesFromFirstToLastPoint) {
    const std::vector<Point2> points = scatteredPoints(6);
    const SceneState state = drawn(points, false, false, 0.5f);
    const std::vector<Point2> curve =
        polylinePoints(segmentsIn(state.segmentList, kNestedLinearColour));
    ASSERT_EQ(curve.size(), 52u);
    EXPECT_TRUE(samePoint(curve.front(), points.front()));
    EXPECT_TRUE(samePoint(curve.back(), points.back()));
    EXPECT_NEAR(curve[50].getX(), curve[51].getX(), 0.01f);
}

TEST(NestedLinear, TwoPointsRunAlongTheSegmentWithoutShells) {
    const std::vector<Point2> points{{100.0f, 100.0f}, {300.0f, 200.0f}};
    const SceneState state = drawn(points, true, true, 0.3f);
    EXPECT_TRUE(segmentsIn(state.segmentList, kShellColour).empty());
    for (const Point2& p : polylinePoints(segmentsIn(state.segmentList, kNestedLinearColour))) {
        EXPECT_NEAR((p.getX() - 100.0f) * 0.5f, p.getY() - 100.0f, 1e-3f);
    }
    ASSERT_EQ(state.sliderMarkers.size(), 1u);
    EXPECT_TRUE(samePoint(state.sliderMarkers[0].centre, lerp(points[0], points[1], 0.3f)));
}

TEST(NestedLinear, ThreePointsGiveOneShellBetweenTheFirstLevelPoints) {
    const std::vector<Point2> points{{100.0f, 400.0f}, {300.0f, 50.0f}, {500.0f, 400.0f}};
    const float t = 0.37f;
    const SceneState state = drawn(points, true, true, t);
    const std::vector<LineSegment> shells = segmentsIn(state.segmentList, kShellColour);
    ASSERT_EQ(shells.size(), 1u);
    EXPECT_TRUE(samePoint(shells[0].start(), lerp(points[0], points[1], t)));
    EXPECT_TRUE(samePoint(shells[0].end(), lerp(points[1], points[2], t)));
}

TEST(NestedLinear, ShellCountIsTheTriangleBelowThePolygon) {
    for (std::size_t n = 2; n <= 9; ++n) {
        const std::size_t expected = (n - 2) * (n - 1) / 2;
        // Slider on: the shells at sliderT, drawn after the curve.
        const SceneState withSlider = drawn(scatteredPoints(n), true, true, 0.615f);
        EXPECT_EQ(segmentsIn(withSlider.segmentList, kShellColour).size(), expected) << n;
        // Slider off: the shells at 0.5, with the levels kept.
        const SceneState withoutSlider = drawn(scatteredPoints(n), false, true, 0.5f);
        EXPECT_EQ(segmentsIn(withoutSlider.segmentList, kShellColour).size(), expected) << n;
        ASSERT_EQ(withoutSlider.casteljauLevels.size(), n);
        for (std::size_t r = 0; r < n; ++r) {
            EXPECT_EQ(withoutSlider.casteljauLevels[r].size(), n - r);
        }
        EXPECT_TRUE(withoutSlider.sliderMarkers.empty());
    }
}

TEST(NestedLinear, MarkerSitsOnTheEndPointsAtTheEndsOfTheRange) {
    const std::vector<Point2> points = scatteredPoints(7);
    EXPECT_TRUE(samePoint(drawn(points, true, false, 0.0f).sliderMarkers[0].centre, points[0]));
    EXPECT_TRUE(samePoint(drawn(points, true, false, 1.0f).sliderMarkers[0].centre, points[6]));
}

TEST(NestedLinear, ASampleAtExactlySliderTDrawsTheShellsToo) {
    // The extra sample at t = 1 meets sliderT = 1, and so does the slider
    // evaluation: two sets of shells.
    const SceneState state = drawn(scatteredPoints(4), true, true, 1.0f);
    EXPECT_EQ(segmentsIn(state.segmentList, kShellColour).size(), 2u * 3u);
}

TEST(NestedLinear, InPlaceEvaluationMatchesTheRecordedLevels) {
    for (std::size_t n : {1u, 2u, 3u, 8u, 40u}) {
        for (float t : {0.0f, 0.02f, 0.5f, 0.77f, 1.0f, 1.5f}) {
            SceneState state;
            state.workPolyline = scatteredPoints(n, static_cast<std::uint32_t>(n));
            state.shellsOn = true;
            state.sliderT = t;
            const Point2 recorded = evaluateNested(state, t);
            CasteljauScratch scratch;
            std::vector<LineSegment> shells;
            const Point2 inPlace = nestedPoint(state.workPolyline, t, scratch, &shells);
            EXPECT_TRUE(samePoint(recorded, inPlace)) << n << " " << t;
            ASSERT_EQ(shells.size(), state.segmentList.size());
            for (std::size_t i = 0; i < shells.size(); ++i) {
                EXPECT_TRUE(samePoint(shells[i].start(), state.segmentList[i].start()));
                EXPECT_TRUE(samePoint(shells[i].end(), state.segmentList[i].end()));
            }
        }
    }
}

}  // namespace
}  // namespace veltro
