#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "geometry/control_point.h"
#include "raster/disc.h"
#include "raster/frame_buffer.h"
#include "raster/rasterize.h"

namespace veltro {
namespace {

struct Frame {
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(640 * 480, 0xFFFFFFFFu);
    FrameBuffer view{words.data(), 640, 480};
};

void drawBresenham(benchmark::State& state, float x0, float y0, float x1, float y1) {
    Frame f;
    const Point2 start(x0, y0);
    const Point2 end(x1, y1);
    const Colour blue(0, 0, 255, 255);
    for (auto _ : state) {
        raster::drawBresenham(f.view, start, end, blue);
        benchmark::DoNotOptimize(f.words.data());
        benchmark::ClobberMemory();
    }
}

// A typical curve piece: a few pixels long.
BENCHMARK_CAPTURE(drawBresenham, short_5px, 100.3f, 200.7f, 104.1f, 202.2f);
// Across the whole buffer.
BENCHMARK_CAPTURE(drawBresenham, long_diagonal, 1.0f, 1.0f, 639.0f, 479.0f);
BENCHMARK_CAPTURE(drawBresenham, long_steep, 300.5f, -20.0f, 340.25f, 500.0f);
// Far outside, not crossing: rejected at once.
BENCHMARK_CAPTURE(drawBresenham, far_outside_miss, -5e6f, -5e6f, 5e6f, -4e6f);
// Far outside, crossing the buffer: only the visible part costs.
BENCHMARK_CAPTURE(drawBresenham, crossing_1e5, -1e5f + 0.3f, -7e4f, 1e5f, 7e4f + 0.5f);
BENCHMARK_CAPTURE(drawBresenham, crossing_1e7, -1e7f, -1e7f, 1e7f, 1e7f);
BENCHMARK_CAPTURE(drawBresenham, crossing_1e30, -1e30f, -1e30f, 1e30f, 1e30f);
BENCHMARK_CAPTURE(drawBresenham, outward_1e30, 320.5f, 240.5f, 1e30f, 3e29f);

void drawControlPoint(benchmark::State& state) {
    Frame f;
    const ControlPoint point(Point2(320, 240), ControlPoint::kRadius);
    for (auto _ : state) {
        raster::drawDisc(f.view, point.centre, point.radius, Colour(255, 199, 204, 255));
        benchmark::DoNotOptimize(f.words.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(drawControlPoint);

void clearFrame(benchmark::State& state) {
    Frame f;
    for (auto _ : state) {
        f.view.clear();
        benchmark::DoNotOptimize(f.words.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 640 * 480 * 4);
}
BENCHMARK(clearFrame);

}  // namespace
}  // namespace veltro
