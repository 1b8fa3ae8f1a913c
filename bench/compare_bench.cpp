// One turn of an open comparison of the methods: the six methods' frames
// and the overlay of all six, composed and painted, with the slider and the
// shells on. It runs once per presented frame, so at 320 points it must stay
// within the frame interval (33.3 ms) on top of the editor's own frame.
// The first point moves a pixel to and fro, as in a drag, so every turn
// repaints everything; a still scene is measured on its own.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/clock.h"
#include "core/editor_core.h"
#include "core/method_pictures.h"
#include "ui/recording_shell.h"

namespace {

void comparisonTurn(benchmark::State& bench, bool dragged) {
    veltro::RecordingShell shell;
    veltro::ManualClock clock;
    veltro::EditorCore core(shell, clock, clock);
    veltro::EditorState& state = core.state();
    state.sliderOn = true;
    state.shellsOn = true;
    // A fixed zigzag over the area, the same on every run.
    const auto count = static_cast<std::uint32_t>(bench.range(0));
    for (std::uint32_t i = 0; i < count; ++i) {
        const float x = 20.0f + static_cast<float>((i * 263u) % 600u);
        const float y = 20.0f + static_cast<float>((i * 151u) % 440u);
        state.controlPoints.emplace_back(veltro::Point2(x, y), veltro::ControlPoint::kRadius);
    }
    veltro::MethodPictures pictures;
    veltro::MethodSet all{};
    all.fill(true);
    float step = 1.0f;
    for (auto _ : bench) {
        if (dragged) {
            state.controlPoints[0].centre.x += step;
            step = -step;
        }
        pictures.paint(core, all);
        benchmark::DoNotOptimize(pictures.overlay().data());
        benchmark::ClobberMemory();
    }
}

BENCHMARK_CAPTURE(comparisonTurn, dragged, true)->Arg(80)->Arg(320)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(comparisonTurn, still, false)->Arg(320)->Unit(benchmark::kMillisecond);

}  // namespace
