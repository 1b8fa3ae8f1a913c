#include <gtest/gtest.h>

#include "inspect/inspection.h"
#include "inspect/inspection_json.h"

namespace veltro {
namespace {

SceneState sceneOf(CurveMethod method, const std::vector<Point2>& points) {
    SceneState scene;
    scene.method = method;
    for (const Point2& p : points) {
        scene.controlPoints.push_back(ControlPoint(p, ControlPoint::kRadius));
    }
    return scene;
}

// The README's worked example: four points at t = 0.5, checked by hand.
TEST(BezierInspection, FourPointsAtOneHalfGiveTheWorkedExample) {
    const SceneState scene =
        sceneOf(CurveMethod::Bernstein, {{100, 380}, {180, 100}, {460, 100}, {540, 380}});
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

}  // namespace
}  // namespace veltro
