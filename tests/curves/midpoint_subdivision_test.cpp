#include "curves/midpoint_subdivision.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"

namespace veltro {
namespace {

using testing::casteljauLevels;
using testing::curveIn;
using testing::markersIn;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

FrameReport drawn(const std::vector<Point2>& points, bool shells) {
    SceneState state = sceneWith(CurveMethod::Midpoint, points);
    state.shellsOn = shells;
    state.sliderOn = true;  // no effect in this mode
    return testing::frameOf(state);
}

TEST(MidpointSubdivision, TwoPassesGiveFourNMinusThreePoints) {
    for (std::size_t n = 2; n <= 12; ++n) {
        const std::vector<Point2> points = scatteredPoints(n, static_cast<std::uint32_t>(n));
        for (bool shells : {false, true}) {
            const FrameReport report = drawn(points, shells);
            const std::vector<Point2> curve = curveIn(report, kMidpointSecondPassColour);
            ASSERT_EQ(curve.size(), 4 * n - 3) << n;
            EXPECT_TRUE(samePoint(curve.front(), points.front()));
            EXPECT_TRUE(samePoint(curve.back(), points.back()));
            EXPECT_EQ(segmentsIn(report, kMidpointFirstPassColour), shells ? 2 * n - 2 : 0u) << n;
            EXPECT_EQ(segmentsIn(report, kShellColour), 0u);
            EXPECT_TRUE(markersIn(report).empty());
        }
    }
}

TEST(MidpointSubdivision, TwoPointsGiveFiveEvenlySpacedPoints) {
    const std::vector<Point2> curve =
        curveIn(drawn({{0.0f, 0.0f}, {400.0f, 200.0f}}, false), kMidpointSecondPassColour);
    ASSERT_EQ(curve.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(curve[i].x, 100.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(curve[i].y, 50.0f * static_cast<float>(i));
    }
}

TEST(MidpointSubdivision, SplitIsTheFirstAndLastPointsOfTheLevels) {
    for (std::size_t m : {1u, 2u, 3u, 6u, 17u}) {
        const std::vector<Point2> polygon = scatteredPoints(m, static_cast<std::uint32_t>(m + 3));
        const std::vector<std::vector<Point2>> levels = casteljauLevels(polygon, 0.5f);
        std::vector<Point2> expected;
        for (std::size_t r = 0; r + 1 < m; ++r) {
            expected.push_back(levels[r].front());
        }
        for (std::size_t r = m; r-- > 0;) {
            expected.push_back(levels[r].back());
        }
        std::vector<Point2> refined;
        CasteljauScratch scratch;
        splitAtHalf(polygon, refined, scratch);
        ASSERT_EQ(refined.size(), expected.size()) << m;
        for (std::size_t i = 0; i < refined.size(); ++i) {
            EXPECT_TRUE(samePoint(refined[i], expected[i])) << m << " " << i;
        }
    }
}

}  // namespace
}  // namespace veltro
