#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "curves/bernstein.h"
#include "curves/scene_frame.h"
#include "inspect/inspection.h"

namespace veltro {
namespace {

constexpr CurveMethod kMethods[] = {
    CurveMethod::NestedLinear,         CurveMethod::Bernstein,           CurveMethod::Midpoint,
    CurveMethod::ParametricPolynomial, CurveMethod::InterpolatingSpline, CurveMethod::BSpline,
};

double distanceToSegment(const InspectionPoint& p, const Point2& a, const Point2& b) {
    const double ax = a.x, ay = a.y, dx = b.x - ax, dy = b.y - ay;
    const double length = dx * dx + dy * dy;
    const double s =
        length > 0.0 ? std::clamp(((p.x - ax) * dx + (p.y - ay) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (ax + s * dx), p.y - (ay + s * dy));
}

double distanceToPolyline(const InspectionPoint& p, const std::vector<Point2>& line) {
    double best = line.size() == 1 ? std::hypot(p.x - line[0].x, p.y - line[0].y) : INFINITY;
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        best = std::min(best, distanceToSegment(p, line[i], line[i + 1]));
    }
    return best;
}

SceneState randomScene(std::mt19937& random, CurveMethod method) {
    SceneState scene;
    scene.method = method;
    std::uniform_real_distribution<float> x(40.0f, 600.0f);
    std::uniform_real_distribution<float> y(40.0f, 440.0f);
    const int count =
        std::uniform_int_distribution<int>(method == CurveMethod::BSpline ? 3 : 2, 7)(random);
    for (int i = 0; i < count; ++i) {
        scene.controlPoints.push_back(ControlPoint(Point2(x(random), y(random)), 10.0f));
    }
    scene.bsplineDegree = std::uniform_int_distribution<int>(1, count - 1)(random);
    scene.continuityOn = random() % 2 == 0;
    if (random() % 3 == 0) {
        // Knots of one's own, sorted, with repeats.
        std::uniform_int_distribution<int> knot(0, 4);
        for (int i = 0; i < count + scene.bsplineDegree + 1; ++i) {
            scene.knotSequence.push_back(knot(random));
        }
        std::sort(scene.knotSequence.begin(), scene.knotSequence.end());
    }
    prepareFrameKnots(scene);
    const float a = scene.workingKnots.empty() ? 0.0f : static_cast<float>(scene.workingKnots[0]);
    const float span = method == CurveMethod::BSpline ? 12.0f : static_cast<float>(count);
    scene.sliderT = std::uniform_real_distribution<float>(a - 1.0f, a + span)(random);
    return scene;
}

// Over random scenes of every method: the weights sum to 1 and give C(t),
// C(t) lies on the drawn curve, and the last level is C(t).
TEST(InspectionProperty, WeightsReproduceThePointOnTheDrawnCurve) {
    std::mt19937 random(20261210);
    for (const CurveMethod method : kMethods) {
        for (int round = 0; round < 300; ++round) {
            const SceneState scene = randomScene(random, method);
            const double t = std::uniform_real_distribution<double>(-1.0, 8.0)(random);
            const Inspection in = inspect(scene, t);
            const std::string where = "method " + std::to_string(static_cast<int>(method)) +
                                      " round " + std::to_string(round);
            if (!in.curvePoint) {
                // Only knots that leave no span at t draw nothing there.
                ASSERT_EQ(method, CurveMethod::BSpline) << where;
                continue;
            }
            ASSERT_EQ(in.weights.size(), in.points.size()) << where;
            double sum = 0.0, absSum = 0.0, x = 0.0, y = 0.0, scale = 0.0;
            for (std::size_t i = 0; i < in.points.size(); ++i) {
                const double w = in.weights[i];
                sum += w;
                absSum += std::fabs(w);
                x += w * in.points[i].x;
                y += w * in.points[i].y;
                scale += std::fabs(w) * std::hypot(in.points[i].x, in.points[i].y);
            }
            EXPECT_NEAR(sum, 1.0, 1e-9 * absSum) << where;
            EXPECT_NEAR(x, in.curvePoint->x, 1e-9 * scale) << where;
            EXPECT_NEAR(y, in.curvePoint->y, 1e-9 * scale) << where;

            std::vector<Point2> polygon;
            for (const ControlPoint& p : scene.controlPoints) {
                polygon.push_back(p.centre);
            }
            const std::vector<Point2> drawn = method == CurveMethod::Midpoint
                                                  ? bernsteinCurve(polygon).points
                                                  : composeFrame(scene).polylines.back().points;
            EXPECT_LE(distanceToPolyline(*in.curvePoint, drawn), 1.0) << where;

            if (in.levels && !in.levels->empty()) {
                const auto& last = in.levels->back();
                ASSERT_EQ(last.size(), 1u) << where;
                EXPECT_EQ(last[0].x, in.curvePoint->x) << where;
                EXPECT_EQ(last[0].y, in.curvePoint->y) << where;
            }
        }
    }
}

}  // namespace
}  // namespace veltro
