#include "curves/update_scene.h"

#include <gtest/gtest.h>

#include "curve_test_support.h"
#include "curves/curve_colours.h"
#include "raster/disc.h"
#include "raster/rasterize.h"

namespace veltro {
namespace {

using testing::OwnedFrame;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;
using testing::segmentsIn;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kDiscPixel = 0xFFFFC7CCu;
constexpr std::uint32_t kMarkerPixel = 0xFFFF5048u;

TEST(UpdateScene, FewerThanTwoPointsDrawOnlyTheirDiscs) {
    for (std::size_t n : {0u, 1u}) {
        SceneState state = sceneWith(CurveMethod::NestedLinear, scatteredPoints(n));
        state.sliderOn = true;
        state.shellsOn = true;
        state.redrawRequested = true;
        OwnedFrame frame;
        const FrameReport report = updateScene(state, frame.frame());
        EXPECT_TRUE(report.segments.empty()) << n;
        EXPECT_TRUE(report.runs.empty()) << n;
        EXPECT_EQ(report.discs.size(), n);
        EXPECT_FALSE(state.redrawRequested);
    }
}

TEST(UpdateScene, OnlyTheBSplineOverThreePointsBuildsKnots) {
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
        OwnedFrame frame;
        updateScene(state, frame.frame());
        EXPECT_EQ(state.knotSequence, c.enteredAfter) << c.points;
        EXPECT_EQ(state.workingKnots, c.working) << c.points;
    }
}

// Painting the report's discs, then its segments, into a blank frame gives
// the frame itself: the report holds everything drawn, in drawing order, and
// its runs cover the segments one joined polyline after another.
TEST(UpdateScene, TheReportRedrawsTheFrame) {
    for (CurveMethod method : {CurveMethod::NestedLinear, CurveMethod::Bernstein,
                               CurveMethod::Midpoint, CurveMethod::ParametricPolynomial,
                               CurveMethod::InterpolatingSpline, CurveMethod::BSpline}) {
        SceneState state = sceneWith(method, scatteredPoints(6));
        state.sliderOn = true;
        state.shellsOn = true;
        state.sliderT = method == CurveMethod::BSpline ? 4.5f : 0.615f;
        OwnedFrame frame;
        const FrameReport report = updateScene(state, frame.frame());

        OwnedFrame again;
        for (const DrawnDisc& drawn : report.discs) {
            raster::drawDisc(again.frame(), drawn.disc.centre, drawn.disc.radius, drawn.colour);
        }
        for (const LineSegment& s : report.segments) {
            raster::drawBresenham(again.frame(), s);
        }
        EXPECT_EQ(again.pixels(), frame.pixels()) << static_cast<int>(method);

        std::size_t next = 0;
        for (const SegmentRun& run : report.runs) {
            ASSERT_EQ(run.first, next);
            ASSERT_GE(run.count, 1u);
            for (std::size_t i = run.first + 1; i < run.first + run.count; ++i) {
                EXPECT_TRUE(samePoint(report.segments[i - 1].end(), report.segments[i].start()));
                EXPECT_EQ(report.segments[i - 1].colour(), report.segments[i].colour());
            }
            next += run.count;
        }
        EXPECT_EQ(next, report.segments.size()) << static_cast<int>(method);
    }
}

TEST(UpdateScene, PolygonComesFirstAndEveryFrameStartsAfresh) {
    const std::vector<Point2> points = scatteredPoints(5);
    SceneState state = sceneWith(CurveMethod::Bernstein, points);
    OwnedFrame frame;
    updateScene(state, frame.frame());
    const FrameReport report = updateScene(state, frame.frame());
    ASSERT_EQ(report.segments.size(), 4u + 50u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(report.segments[i].colour(), kControlPolygonColour);
        EXPECT_TRUE(samePoint(report.segments[i].start(), points[i]));
        EXPECT_TRUE(samePoint(report.segments[i].end(), points[i + 1]));
    }
    state.method = CurveMethod::Midpoint;
    EXPECT_TRUE(segmentsIn(updateScene(state, frame.frame()).segments, kBernsteinColour).empty());
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
        EXPECT_EQ(updateScene(state, frame.frame()).segments.size(), c.segments)
            << static_cast<int>(c.method) << " with " << c.points << " points";
    }
}

TEST(UpdateScene, MarkerLiesUnderTheDiscsAndTheSegments) {
    // The marker at t = 0 sits on the first point, whose disc covers it.
    SceneState state = sceneWith(CurveMethod::NestedLinear, {{100.0f, 100.0f}, {500.0f, 100.0f}});
    state.sliderOn = true;
    state.sliderT = 0.0f;
    OwnedFrame frame;
    const FrameReport report = updateScene(state, frame.frame());
    ASSERT_EQ(report.discs.size(), 3u);
    EXPECT_EQ(report.discs[0].colour, kSliderMarkerColour);
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
