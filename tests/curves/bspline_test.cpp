#include "curves/bspline.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "curve_test_support.h"
#include "curves/curve_colours.h"
#include "curves/knots.h"
#include "curves/parameter_walk.h"

namespace veltro {
namespace {

using testing::finitePoint;
using testing::markersIn;
using testing::samePoint;
using testing::scatteredPoints;
using testing::sceneWith;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

// Distance from p to the last segment of the polyline.
float distanceToLastSegment(const Point2& p, const Polyline& line) {
    const Point2& a = line.points[line.points.size() - 2];
    const Point2& b = line.points.back();
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float px = p.x - a.x;
    const float py = p.y - a.y;
    const float length2 = dx * dx + dy * dy;
    const float along =
        length2 > 0.0f ? std::fmax(0.0f, std::fmin(1.0f, (px * dx + py * dy) / length2)) : 0.0f;
    return std::hypot(px - along * dx, py - along * dy);
}

struct Drawn {
    SceneState state;
    FrameReport report;
    std::vector<Point2> curve;
    std::vector<Polyline> shells;
    std::size_t markers = 0;
};

Drawn drawBSplineScene(const std::vector<Point2>& points, std::int32_t degree,
                       const KnotSequence& knots, bool continuity = false, bool slider = false,
                       bool shells = false, float sliderT = 0.5f) {
    Drawn d;
    d.state = sceneWith(CurveMethod::BSpline, points);
    d.state.bsplineDegree = degree;
    d.state.knotSequence = knots;
    d.state.continuityOn = continuity;
    d.state.sliderOn = slider;
    d.state.shellsOn = shells;
    d.state.sliderT = sliderT;
    d.report = testing::frameOf(d.state);
    // The curve shares its colour with nothing else this method draws.
    d.curve = testing::curveIn(d.report, kBSplineColour);
    d.shells = testing::polylinesIn(d.report, kShellColour);
    d.markers = markersIn(d.report).size();
    return d;
}

TEST(BSpline, DefaultCubicOverFourPoints) {
    const std::vector<Point2> points = scatteredPoints(4);
    const Drawn d = drawBSplineScene(points, 3, {});
    EXPECT_EQ(d.state.workingKnots, (KnotSequence{0, 1, 2, 3, 4, 5, 6, 7}));
    ASSERT_EQ(d.curve.size(), 51u);
    // Uniform knots: the curve starts at (P0 + 4 P1 + P2) / 6.
    EXPECT_NEAR(d.curve.front().x, (points[0].x + 4.0f * points[1].x + points[2].x) / 6.0f, 0.01f);
}

TEST(BSpline, ClampedCurveEndsOnTheFirstAndLastPoint) {
    for (std::size_t n = 3; n <= 12; ++n) {
        const std::vector<Point2> points = scatteredPoints(n, static_cast<std::uint32_t>(n));
        for (std::int32_t degree = 1; degree < static_cast<std::int32_t>(n); ++degree) {
            const Drawn d = drawBSplineScene(points, degree, {}, true);
            ASSERT_EQ(d.curve.size(), 50 * (n - static_cast<std::size_t>(degree)) + 1);
            EXPECT_TRUE(samePoint(d.curve.front(), points.front())) << n << " " << degree;
            EXPECT_NEAR(d.curve.back().x, points.back().x, 0.1f) << n << " " << degree;
            EXPECT_NEAR(d.curve.back().y, points.back().y, 0.1f) << n << " " << degree;
        }
    }
}

TEST(BSpline, DegreeOneFollowsThePolygon) {
    const std::vector<Point2> points{{100.0f, 100.0f}, {200.0f, 300.0f}, {400.0f, 300.0f}};
    const Drawn d = drawBSplineScene(points, 1, {});
    // Knots 0..4, domain 1..3: from P0 to P2 through P1.
    ASSERT_EQ(d.curve.size(), 101u);
    EXPECT_TRUE(samePoint(d.curve[0], points[0]));
    EXPECT_NEAR(d.curve[50].x, 200.0f, 0.01f);
    EXPECT_NEAR(d.curve[50].y, 300.0f, 0.01f);
    EXPECT_NEAR(d.curve[100].x, 400.0f, 0.01f);
    for (std::size_t i = 50; i <= 100; ++i) {
        EXPECT_NEAR(d.curve[i].y, 300.0f, 0.01f);
    }
}

TEST(BSpline, WalksEndingPastTheDomainUseTheLastSpan) {
    // Wherever the float walk ends just past the last domain knot, findSpan
    // names the span after the domain (or none); the curve still takes every
    // sample and ends where the uniform cubic ends.
    for (std::size_t n = 4; n <= 60; ++n) {
        const std::vector<Point2> p = scatteredPoints(n, static_cast<std::uint32_t>(n));
        const Drawn d = drawBSplineScene(p, 3, {});
        ASSERT_EQ(d.curve.size(), 50 * (n - 3) + 1) << n;
        for (const Point2& c : d.curve) {
            ASSERT_TRUE(finitePoint(c)) << n;
        }
        const float endX = (p[n - 3].x + 4.0f * p[n - 2].x + p[n - 1].x) / 6.0f;
        EXPECT_NEAR(d.curve.back().x, endX, 0.5f) << n;
    }
}

TEST(BSpline, MarkerAndShellsAppearOnceAtTheFirstSampleInTheWindow) {
    const std::vector<Point2> points = scatteredPoints(6);
    // Default knots 0..9, domain 3..6; the window around 4.5 holds three
    // samples, the marker and the shells take the first.
    const Drawn on = drawBSplineScene(points, 3, {}, false, true, true, 4.5f);
    EXPECT_EQ(testing::segmentCount(on.shells), 3u);
    ASSERT_EQ(on.curve.size(), 151u);
    const std::size_t first = 74;  // t = 3 + 74 * 0.02 = 4.48, inside [4.47, 4.53]
    // The last shell is the level of two points whose blend is the sample.
    EXPECT_LT(distanceToLastSegment(on.curve[first], on.shells.back()), 0.01f);
    EXPECT_GT(distanceToLastSegment(on.curve[first - 1], on.shells.back()), 0.01f);
    ASSERT_EQ(markersIn(on.report).size(), 1u);
    EXPECT_TRUE(samePoint(markersIn(on.report)[0].centre, on.curve[first]));
    // Slider off: the shells sit in the middle of the domain, no marker.
    const Drawn off = drawBSplineScene(points, 3, {}, false, false, true, 0.5f);
    EXPECT_EQ(testing::segmentCount(off.shells), 3u);
    EXPECT_EQ(off.markers, 0u);
    // A slider outside the domain finds no sample.
    const Drawn outside = drawBSplineScene(points, 3, {}, false, true, true, 0.5f);
    EXPECT_TRUE(outside.shells.empty());
    EXPECT_EQ(outside.markers, 0u);
}

TEST(BSpline, FewerThanThreePointsDrawOnlyThePolygon) {
    const Drawn d = drawBSplineScene(scatteredPoints(2), 1, {});
    EXPECT_EQ(testing::segmentCount(d.report.polylines), 1u);
    EXPECT_TRUE(d.state.workingKnots.empty());
}

TEST(BSpline, BadKnotsAndDegreesFinishAtOnce) {
    struct Case {
        const char* name;
        std::size_t points;
        std::int32_t degree;
        KnotSequence knots;
        std::size_t maxSamples;
    };
    const std::vector<Case> cases{
        {"0, max", 4, 3, {0, kMax}, 1},
        {"min, max", 4, 3, {kMin, kMax}, 1},
        {"two billion wide domain", 4, 3, {0, 0, 0, 0, 2000000000}, kMaxCurveSamples},
        {"whole 32-bit domain", 4, 3, {kMin, kMin, kMin, kMin, kMax}, kMaxCurveSamples},
        {"decreasing", 4, 3, {5, 4, 3, 2, 1}, 0},
        {"decreasing, degree 1", 5, 1, {5, 4, 3, 2, 1}, 51},
        {"all equal", 4, 3, {0, 0, 0, 0, 0, 0}, 1},
        {"degree of the point count", 3, 3, {}, 0},
        {"degree 1000", 3, 1000, {}, 0},
        {"degree max", 3, kMax, {}, 0},
        {"repeated end knots", 5, 2, {0, 0, 0, 1, 1, 1, 1, 1}, 51},
    };
    for (const Case& c : cases) {
        const Drawn d =
            drawBSplineScene(scatteredPoints(c.points), c.degree, c.knots, false, true, true, 0.5f);
        EXPECT_LE(d.curve.size(), c.maxSamples) << c.name;
        EXPECT_GE(testing::segmentCount(d.report.polylines), c.points - 1) << c.name;
    }
}

TEST(BSpline, ZeroKnotDifferencesGiveNaNNotGarbage) {
    const std::vector<Point2> points = scatteredPoints(3);
    const KnotSequence knots{0, 1, 1, 1, 2};  // degree 1, span 2: k(2) == k(3)
    std::vector<Point2> scratch;
    const Point2 c = deBoorPoint(points, knots, 2, 2, 1.0f, scratch, nullptr);
    EXPECT_TRUE(std::isnan(c.x));
}

// The same float, zeros of either sign told apart; any NaN is any other.
bool identical(float a, float b) {
    return (std::isnan(a) && std::isnan(b)) ||
           std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// The curve's samples, evaluated four at a time where they share a span,
// are deBoorPoint's bits at each t, for every kind of knots and for points
// whose products and sums overflow, underflow or cancel in float.
TEST(BSpline, CurveSamplesAreTheLoneEvaluations) {
    std::vector<Point2> extreme = scatteredPoints(9);
    extreme[1] = Point2(3.0e38f, -3.0e38f);
    extreme[2] = Point2(-3.0e38f, 1.0e-40f);
    extreme[4] = Point2(1.0e-45f, -2.5e-39f);
    extreme[6] = Point2(1.0f + 1.0e-7f, -1.0f);
    struct Case {
        std::int32_t degree;
        KnotSequence knots;
    };
    const std::vector<Case> cases{
        {1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {3, {0, 0, 0, 0, 1, 2, 3, 5, 8, 8, 8, 8, 8}},
        {2, {0, 3, 3, 7, 7, 7, 9, 12, 12, 15, 20, 21}},
        {5, {5, 4, 3, 2, 1, 2, 3, 4, 9, 9, 12, 13, 15, 16, 18}},
        {2, {0, 1, 1, 2, 4, 2, 5, 6, 7, 8, 9, 10}},  // a zero width inside span 3
        {3, {kMin, kMin, kMin, kMin, 0, 1, 2, kMax, kMax, kMax, kMax, kMax, kMax}},
        {8, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
    };
    for (const std::vector<Point2>& points : {scatteredPoints(9), extreme}) {
        for (const Case& c : cases) {
            FrameReport report;
            addBSplineCurve(points, c.degree, c.knots, SliderAndShells{}, report);
            ASSERT_FALSE(report.polylines.empty()) << c.degree;
            const Polyline& curve = report.polylines.back();
            const SpanFinder spans(c.knots);
            std::vector<Point2> scratch;
            for (std::size_t i = 0; i < curve.parameters.size(); ++i) {
                const float t = curve.parameters[i];
                std::int64_t span = spans.find(t);
                // Past the domain the curve evaluates in its last span that is
                // not empty.
                for (std::int64_t j = 8; j >= 0 && (span < c.degree || span > 8); --j) {
                    if (c.knots[static_cast<std::size_t>(j)] <
                        c.knots[static_cast<std::size_t>(j) + 1]) {
                        span = j;
                    }
                }
                const Point2 alone =
                    deBoorPoint(points, c.knots, c.degree, span, t, scratch, nullptr);
                ASSERT_TRUE(identical(curve.points[i].x, alone.x) &&
                            identical(curve.points[i].y, alone.y))
                    << "degree " << c.degree << ", t = " << t;
            }
        }
    }
}

TEST(SpanFinder, FindsWhatFindSpanFinds) {
    const std::vector<KnotSequence> sequences{
        {},
        {3},
        {0, 1, 2, 3, 4, 5, 6, 7},
        {0, 0, 0, 0, 1, 1, 1, 1},
        {0, 2, 4, 5, 6, 7, 8, 9},
        {5, 4, 3, 2, 1, 2, 3, 4},
        {0, 0, 0, 0, 0, 0},
        {kMin, kMax, kMax, kMax},
        {16777216, 16777217, 16777218, 16777219},  // equal as floats
        {3, 1, 1, 4, 1, 5, 9, 2, 6},
    };
    const std::vector<float> ts{-1e10f, -3.0f, -0.5f,       0.0f,   0.25f,  0.5f,
                                1.0f,   1.5f,  2.0f,        3.99f,  4.0f,   5.5f,
                                9.0f,   10.0f, 16777216.0f, 2.2e9f, -2.2e9f};
    for (const KnotSequence& knots : sequences) {
        const SpanFinder finder(knots);
        for (float t : ts) {
            EXPECT_EQ(finder.find(t), findSpan(knots, t)) << knots.size() << " " << t;
        }
    }
}

// Walks longer than a frame affords are sampled evenly over the whole
// domain: the clamped curves end on their last point, and the marker still
// finds the sample nearest sliderT.
TEST(BSpline, LongWalksAreSampledEvenlyAndEndWhereTheDomainEnds) {
    struct Case {
        const char* name;
        std::size_t points;
        std::int32_t degree;
        KnotSequence knots;
        bool continuity;
        float sliderT;
    };
    const std::vector<Case> cases{
        {"knots 0 to 3000", 4, 3, {0, 0, 0, 0, 3000, 3000, 3000, 3000}, false, 2999.0f},
        {"400 points of degree 100", 400, 100, {}, true, 150.0f},
        {"600 points of degree 400", 600, 400, {}, true, 100.0f},
    };
    for (const Case& c : cases) {
        const std::vector<Point2> points = scatteredPoints(c.points);
        const Drawn d =
            drawBSplineScene(points, c.degree, c.knots, c.continuity, true, false, c.sliderT);
        EXPECT_EQ(d.curve.size(), maxBSplineSamples(c.degree)) << c.name;
        ASSERT_FALSE(d.curve.empty()) << c.name;
        EXPECT_NEAR(d.curve.back().x, points.back().x, 0.01f) << c.name;
        EXPECT_NEAR(d.curve.back().y, points.back().y, 0.01f) << c.name;
        EXPECT_EQ(d.markers, 1u) << c.name;
        for (const Point2& p : d.curve) {
            ASSERT_TRUE(finitePoint(p)) << c.name;
        }
    }
}

TEST(BSpline, SampleCapShrinksWithTheDegree) {
    EXPECT_EQ(maxBSplineSamples(25), kMaxCurveSamples);
    EXPECT_LT(maxBSplineSamples(26), kMaxCurveSamples);
    EXPECT_EQ(maxBSplineSamples(kMax), 1u);
}

}  // namespace
}  // namespace veltro
