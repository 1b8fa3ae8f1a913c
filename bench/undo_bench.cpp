// The cost undo adds at 2,000 points: stepping back and forth through the
// history, and the copy and comparison the core makes around every message
// to see whether it changed the scene. Both must stay far below a frame
// interval (33 ms); the frame drawn after an undo is the curve benchmarks'.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "core/undo_history.h"
#include "curves/scene_state.h"
#include "geometry/control_point.h"

namespace {

using veltro::ControlPoint;
using veltro::Point2;
using veltro::SceneState;
using veltro::UndoHistory;

SceneState sceneOf(std::size_t count) {
    SceneState scene;
    for (std::size_t i = 0; i < count; ++i) {
        scene.controlPoints.emplace_back(
            Point2(20.0f + static_cast<float>(i % 600), 20.0f + static_cast<float>(i / 600)),
            ControlPoint::kRadius);
    }
    return scene;
}

void undoAndRedo(benchmark::State& bench) {
    UndoHistory history;
    SceneState scene = sceneOf(static_cast<std::size_t>(bench.range(0)));
    history.recordChange(scene);
    scene.controlPoints.pop_back();
    for (auto _ : bench) {
        history.undo(scene);
        history.redo(scene);
        benchmark::DoNotOptimize(scene.controlPoints.data());
    }
}
BENCHMARK(undoAndRedo)->Arg(2000)->Unit(benchmark::kMicrosecond);

void compareAroundAMessage(benchmark::State& bench) {
    const SceneState scene = sceneOf(static_cast<std::size_t>(bench.range(0)));
    for (auto _ : bench) {
        const SceneState before = scene;
        benchmark::DoNotOptimize(before == scene);
    }
}
BENCHMARK(compareAroundAMessage)->Arg(2000)->Unit(benchmark::kMicrosecond);

}  // namespace
