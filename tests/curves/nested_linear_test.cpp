#include "curves/nested_linear.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"

namespace veltro {
namespace {

using testing::casteljauLevels;
using testing::curveIn;
using testing::markersIn;
using testing::polylinesIn;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

FrameReport drawn(const std::vector<Point2>& points, bool slider, bool shells, float sliderT) {
    SceneState state = sceneWith(CurveMethod::NestedLinear, points);
    state.sliderOn = slider;
    state.shellsOn = shells;
    state.sliderT = sliderT;
    return testing::frameOf(state);
}

TEST(NestedLinear, CurveHasFiftyTwoSamplesFromFirstToLastPoint) {
    const std::vector<Point2> points = scatteredPoints(6);
    const FrameReport report = drawn(points, false, false, 0.5f);
    const std::vector<Point2> curve = curveIn(report, kNestedLinearColour);
    ASSERT_EQ(curve.size(), 52u);
    EXPECT_TRUE(samePoint(curve.front(), points.front()));
    EXPECT_TRUE(samePoint(curve.back(), points.back()));
    EXPECT_NEAR(curve[50].x, curve[51].x, 0.01f);
}

TEST(NestedLinear, TwoPointsRunAlongTheSegmentWithoutShells) {
    const std::vector<Point2> points{{100.0f, 100.0f}, {300.0f, 200.0f}};
    const FrameReport report = drawn(points, true, true, 0.3f);
    EXPECT_TRUE(polylinesIn(report, kShellColour).empty());
    for (const Point2& p : curveIn(report, kNestedLinearColour)) {
        EXPECT_NEAR((p.x - 100.0f) * 0.5f, p.y - 100.0f, 1e-3f);
    }
    ASSERT_EQ(markersIn(report).size(), 1u);
    EXPECT_TRUE(samePoint(markersIn(report)[0].centre, testing::lerp(points[0], points[1], 0.3f)));
}

TEST(NestedLinear, ThreePointsGiveOneShellBetweenTheFirstLevelPoints) {
    const std::vector<Point2> points{{100.0f, 400.0f}, {300.0f, 50.0f}, {500.0f, 400.0f}};
    const float t = 0.37f;
    const FrameReport report = drawn(points, true, true, t);
    const std::vector<Polyline> shells = polylinesIn(report, kShellColour);
    ASSERT_EQ(shells.size(), 1u);
    ASSERT_EQ(shells[0].points.size(), 2u);
    EXPECT_TRUE(samePoint(shells[0].points[0], testing::lerp(points[0], points[1], t)));
    EXPECT_TRUE(samePoint(shells[0].points[1], testing::lerp(points[1], points[2], t)));
}

TEST(NestedLinear, ShellCountIsTheTriangleBelowThePolygon) {
    for (std::size_t n = 2; n <= 9; ++n) {
        const std::size_t expected = (n - 2) * (n - 1) / 2;
        // Slider on: the shells at sliderT, drawn after the curve.
        const FrameReport withSlider = drawn(scatteredPoints(n), true, true, 0.615f);
        EXPECT_EQ(segmentsIn(withSlider, kShellColour), expected) << n;
        // Slider off: the shells at 0.5.
        const FrameReport withoutSlider = drawn(scatteredPoints(n), false, true, 0.5f);
        EXPECT_EQ(segmentsIn(withoutSlider, kShellColour), expected) << n;
        EXPECT_TRUE(markersIn(withoutSlider).empty());
    }
}

TEST(NestedLinear, MarkerSitsOnTheEndPointsAtTheEndsOfTheRange) {
    const std::vector<Point2> points = scatteredPoints(7);
    EXPECT_TRUE(samePoint(markersIn(drawn(points, true, false, 0.0f))[0].centre, points[0]));
    EXPECT_TRUE(samePoint(markersIn(drawn(points, true, false, 1.0f))[0].centre, points[6]));
}

TEST(NestedLinear, ASampleAtExactlySliderTDrawsTheShellsToo) {
    // The extra sample at t = 1 meets sliderT = 1, and so does the slider
    // evaluation: two sets of shells.
    const FrameReport report = drawn(scatteredPoints(4), true, true, 1.0f);
    EXPECT_EQ(segmentsIn(report, kShellColour), 2u * 3u);
}

TEST(NestedLinear, InPlaceEvaluationMatchesTheLevels) {
    for (std::size_t n : {1u, 2u, 3u, 8u, 40u}) {
        for (float t : {0.0f, 0.02f, 0.5f, 0.77f, 1.0f, 1.5f}) {
            const std::vector<Point2> polygon = scatteredPoints(n, static_cast<std::uint32_t>(n));
            const std::vector<std::vector<Point2>> levels = casteljauLevels(polygon, t);
            CasteljauScratch scratch;
            FrameReport report;
            const Point2 inPlace = nestedPoint(polygon, t, scratch, &report);
            const std::vector<Polyline>& shells = report.polylines;
            EXPECT_TRUE(samePoint(levels.back().front(), inPlace)) << n << " " << t;
            // One polyline per level below the polygon, down to the two-point one.
            ASSERT_EQ(shells.size(), n >= 3 ? n - 2 : 0u) << n;
            for (std::size_t r = 0; r < shells.size(); ++r) {
                const std::vector<Point2>& level = levels[r + 1];
                ASSERT_EQ(shells[r].points.size(), level.size());
                for (std::size_t i = 0; i < level.size(); ++i) {
                    EXPECT_TRUE(samePoint(shells[r].points[i], level[i]));
                }
            }
        }
    }
}

}  // namespace
}  // namespace veltro
