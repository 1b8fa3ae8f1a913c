#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "inspect/inspection.h"
#include "inspect/inspection_json.h"

namespace veltro {
namespace {

struct HostileScene {
    const char* what;
    std::size_t points;
    float spread;  // coordinates reach this far from the area's corner
    std::int32_t degree;
    KnotSequence knots;
};

bool noInfinity(double v) {
    return !std::isinf(v);
}

// Every number is a number or NaN (null), never an infinity, and the
// weights are one per point or none.
void expectSound(const Inspection& in, const std::string& where) {
    EXPECT_TRUE(in.weights.empty() || in.weights.size() == in.points.size()) << where;
    for (const double w : in.weights) {
        EXPECT_TRUE(noInfinity(w)) << where;
    }
    if (in.curvePoint) {
        EXPECT_TRUE(std::isfinite(in.curvePoint->x) && std::isfinite(in.curvePoint->y)) << where;
    }
    EXPECT_TRUE(std::isfinite(in.parameter.t)) << where;
    if (in.levels) {
        std::size_t total = 0;
        for (const auto& level : *in.levels) {
            total += level.size();
        }
        EXPECT_LE(total, kMaxLevelPoints) << where;
    }
    if (in.basisCurves) {
        EXPECT_LE(in.basisCurves->samples * in.basisCurves->curves.size(), kMaxBasisValues)
            << where;
    }
    const std::string json = inspectionJson(in);
    EXPECT_EQ(json.find("inf"), std::string::npos) << where;
    EXPECT_EQ(json.find("nan"), std::string::npos) << where;
}

TEST(HostileInspection, BoundedAndNeverGarbage) {
    const HostileScene scenes[] = {
        {"2000 points", 2000, 640.0f, 3, {}},
        {"2000 points of degree 1999", 2000, 640.0f, 1999, {}},
        {"degree two billion", 5, 640.0f, 2000000000, {}},
        {"knots at the ends of the int range",
         6,
         640.0f,
         3,
         {std::numeric_limits<std::int32_t>::min(), -2147483000, 0, 2147483000,
          std::numeric_limits<std::int32_t>::max()}},
        {"knots that go down", 6, 640.0f, 2, {5, 4, 3, 2, 1, 0}},
        {"coordinates far outside", 40, 3e38f, 3, {}},
    };
    for (const HostileScene& s : scenes) {
        for (int m = 0; m < 6; ++m) {
            SceneState scene;
            scene.method = static_cast<CurveMethod>(m);
            scene.bsplineDegree = s.degree;
            scene.knotSequence = s.knots;
            for (std::size_t i = 0; i < s.points; ++i) {
                // A zigzag that swings the polynomial as far as it goes.
                const float x = s.spread * static_cast<float>(i) / static_cast<float>(s.points);
                const float y = i % 2 == 0 ? -s.spread : s.spread;
                scene.controlPoints.push_back(ControlPoint(Point2(x, y), 10.0f));
            }
            scene.sliderT = 1.5e9f;
            expectSound(inspect(scene, -1e300),
                        std::string(s.what) + ", method " + std::to_string(m));
        }
    }
}

}  // namespace
}  // namespace veltro
