// Opening a scene of many clicks (a shared link, a scene file, a replay):
// every click is a turn, but only the last frame is looked at. This is the
// wait between opening a 2,000-point scene and seeing it.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/clock.h"
#include "core/editor_core.h"
#include "ui/message.h"
#include "ui/recording_shell.h"

namespace {

void playClicks(benchmark::State& bench) {
    const auto count = static_cast<std::uint32_t>(bench.range(0));
    for (auto _ : bench) {
        veltro::RecordingShell shell;
        veltro::ManualClock clock;
        veltro::EditorCore core(shell, clock, clock);
        // A fixed zigzag over the area, no two clicks on one place.
        for (std::uint32_t i = 0; i < count; ++i) {
            const float x = 20.0f + static_cast<float>((i * 263u) % 600u);
            const float y = 20.0f + static_cast<float>((i * 151u) % 440u);
            for (const auto kind :
                 {veltro::Message::Kind::LeftPress, veltro::Message::Kind::LeftRelease}) {
                core.post(veltro::Message::mouse(kind, x, y));
                core.turn();
            }
        }
        benchmark::DoNotOptimize(core.framePixels().data());
    }
}

}  // namespace

BENCHMARK(playClicks)->Arg(2000)->Unit(benchmark::kMillisecond);
