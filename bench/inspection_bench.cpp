// The whole inspection of a 2,000-point scene per method, JSON included
// separately: the figure behind the 50 ms bound on an inspection.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "curves/scene_frame.h"
#include "inspect/inspection.h"
#include "inspect/inspection_json.h"

namespace {

using veltro::CurveMethod;

veltro::SceneState inspectedScene(CurveMethod method, std::int32_t degree) {
    veltro::SceneState scene;
    scene.method = method;
    scene.bsplineDegree = degree;
    std::uint32_t s = 12345;
    for (int i = 0; i < 2000; ++i) {
        s = s * 1664525u + 1013904223u;
        const float x = 20.0f + static_cast<float>(s >> 8) / static_cast<float>(1u << 24) * 600.0f;
        s = s * 1664525u + 1013904223u;
        const float y = 20.0f + static_cast<float>(s >> 8) / static_cast<float>(1u << 24) * 440.0f;
        scene.controlPoints.push_back(veltro::ControlPoint(veltro::Point2(x, y), 10.0f));
    }
    scene.sliderT = method == CurveMethod::BSpline ? 1001.5f : 0.3f;
    veltro::prepareFrameKnots(scene);
    return scene;
}

// Arguments: the method, and for the B-spline its degree.
void BM_Inspect2000Points(benchmark::State& state) {
    const auto scene = inspectedScene(static_cast<CurveMethod>(state.range(0)),
                                      static_cast<std::int32_t>(state.range(1)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltro::inspect(scene, 0.3));
    }
}
BENCHMARK(BM_Inspect2000Points)
    ->Args({0, 3})
    ->Args({1, 3})
    ->Args({2, 3})
    ->Args({3, 3})
    ->Args({4, 3})
    ->Args({5, 3})
    ->Args({5, 1999})
    ->Unit(benchmark::kMillisecond);

void BM_InspectionJson2000Points(benchmark::State& state) {
    const auto inspection =
        veltro::inspect(inspectedScene(static_cast<CurveMethod>(state.range(0)), 3), 0.3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltro::inspectionJson(inspection));
    }
}
BENCHMARK(BM_InspectionJson2000Points)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

}  // namespace
