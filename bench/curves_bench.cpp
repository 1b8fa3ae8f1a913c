// Whole frames per curve method with the slider and the shells on, as the
// core makes them (knots, the report remade in the last frame's storage,
// painting into a real 640 x 480 frame): the figures behind the frame-time
// targets (320 points within a third of a frame interval, 11 ms; 2,000
// points within 100 ms).
//
// Beside each time stand its ratios to two floors measured in the same run,
// so that figures compare across machines: x_clear, the frame time over
// clearing the frame once; x_walks, over walking as many short segments as
// the frame paints (nested linear interpolation with shells at 2,000 points
// paints two million, and should stay within twice that).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <utility>
#include <vector>

#include "curves/scene_frame.h"
#include "curves/scene_state.h"
#include "geometry/control_point.h"
#include "raster/frame_buffer.h"
#include "raster/paint_frame.h"
#include "raster/rasterize.h"

namespace {

using veltro::ControlPoint;
using veltro::CurveMethod;
using veltro::FrameBuffer;
using veltro::Point2;
using veltro::SceneState;

// Points spread over the drawing area by a fixed sequence, the same on
// every run.
std::vector<Point2> scatteredPoints(std::size_t count) {
    std::vector<Point2> points;
    std::uint32_t s = 12345;
    const auto next = [&s](float range) {
        s = s * 1664525u + 1013904223u;
        return static_cast<float>(s >> 8) / static_cast<float>(1u << 24) * range;
    };
    for (std::size_t i = 0; i < count; ++i) {
        const float x = 20.0f + next(600.0f);
        const float y = 20.0f + next(440.0f);
        points.emplace_back(static_cast<float>(static_cast<int>(x)),
                            static_cast<float>(static_cast<int>(y)));
    }
    return points;
}

SceneState sceneFor(CurveMethod method, std::size_t count) {
    SceneState state;
    state.method = method;
    state.sliderOn = true;
    state.shellsOn = true;
    // The B-Spline command puts the slider in the middle of the default
    // domain; nested linear interpolation keeps it at 0.5.
    state.sliderT = method == CurveMethod::BSpline ? static_cast<float>(count + 3) * 0.5f : 0.5f;
    for (const Point2& p : scatteredPoints(count)) {
        state.controlPoints.emplace_back(p, ControlPoint::kRadius);
    }
    return state;
}

// Processor seconds, as the benchmark's CPU column counts them: a busy
// machine changes them much less than wall time.
double processorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The two floors, timed once per run.
struct Floors {
    double clearSeconds;
    double shortWalkSeconds;
};

Floors measureFloors() {
    std::vector<std::uint32_t> pixels(std::size_t{FrameBuffer::kWidth} * FrameBuffer::kHeight);
    FrameBuffer frame(pixels.data(), FrameBuffer::kWidth, FrameBuffer::kHeight);
    constexpr int kClears = 2000;
    double start = processorSeconds();
    for (int i = 0; i < kClears; ++i) {
        frame.clear();
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    const double clear = (processorSeconds() - start) / kClears;
    // The raster benchmark's short segment, a few pixels long.
    const std::vector<Point2> segment{Point2(100.3f, 200.7f), Point2(104.1f, 202.2f)};
    const veltro::Colour blue(0, 0, 255, 255);
    // The least of several batches: the rest of the machine only ever adds
    // to a batch, and one slow batch made the ratios look a third better.
    constexpr int kWalks = 400000;
    constexpr int kBatches = 5;
    double walk = 0.0;
    for (int batch = 0; batch < kBatches; ++batch) {
        start = processorSeconds();
        for (int i = 0; i < kWalks; ++i) {
            veltro::raster::drawBresenhamPath(frame, segment, blue);
            benchmark::DoNotOptimize(pixels.data());
            benchmark::ClobberMemory();
        }
        const double perWalk = (processorSeconds() - start) / kWalks;
        walk = batch == 0 ? perWalk : std::min(walk, perWalk);
    }
    return {clear, walk};
}

const Floors& floors() {
    static const Floors measured = measureFloors();
    return measured;
}

std::size_t segmentsOf(const veltro::FrameReport& report) {
    std::size_t segments = 0;
    for (const veltro::Polyline& line : report.polylines) {
        segments += line.points.empty() ? 0 : line.points.size() - 1;
    }
    return segments;
}

// A time per frame beside its ratios to the two floors.
void reportRatios(benchmark::State& bench, double perFrame, std::size_t segments) {
    bench.counters["segments"] = static_cast<double>(segments);
    bench.counters["x_clear"] = perFrame / floors().clearSeconds;
    bench.counters["x_walks"] =
        perFrame /
        (static_cast<double>(std::max<std::size_t>(1, segments)) * floors().shortWalkSeconds);
}

enum class Timed { WholeFrames, PaintingOnly };

// Times frames of the given scene into a real 640 x 480 buffer: whole
// frames, or only painting a report composed once.
void timeFrames(benchmark::State& bench, SceneState& state, Timed timed = Timed::WholeFrames) {
    floors();  // measured before the clock starts
    std::vector<std::uint32_t> pixels(std::size_t{FrameBuffer::kWidth} * FrameBuffer::kHeight);
    FrameBuffer frame(pixels.data(), FrameBuffer::kWidth, FrameBuffer::kHeight);
    frame.clear();
    veltro::FrameReport report;
    const auto compose = [&] {
        veltro::prepareFrameKnots(state);
        veltro::composeFrame(state, report);
    };
    if (timed == Timed::PaintingOnly) {
        compose();
    }
    const double start = processorSeconds();
    for (auto _ : bench) {
        if (timed == Timed::WholeFrames) {
            compose();
        }
        veltro::raster::paintFrame(report, frame);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    const double perFrame = (processorSeconds() - start) /
                            static_cast<double>(std::max<std::int64_t>(1, bench.iterations()));
    reportRatios(bench, perFrame, segmentsOf(report));
}

void framePerMethod(benchmark::State& bench, CurveMethod method) {
    const auto count = static_cast<std::size_t>(bench.range(0));
    SceneState state = sceneFor(method, count);
    timeFrames(bench, state);
}

// At 2,000 points twenty frames a run: the first one gives the report its
// storage, which the others reuse as the frames of an open window do.
#define VELTRO_CURVE_BENCH(name, method)                          \
    BENCHMARK_CAPTURE(framePerMethod, name, method)               \
        ->Arg(80)                                                 \
        ->Arg(320)                                                \
        ->Unit(benchmark::kMillisecond);                          \
    BENCHMARK_CAPTURE(framePerMethod, name##_2000_points, method) \
        ->Arg(2000)                                               \
        ->Iterations(20)                                          \
        ->Unit(benchmark::kMillisecond)

VELTRO_CURVE_BENCH(nested_linear, CurveMethod::NestedLinear);
VELTRO_CURVE_BENCH(bernstein, CurveMethod::Bernstein);
VELTRO_CURVE_BENCH(midpoint_subdivision, CurveMethod::Midpoint);
VELTRO_CURVE_BENCH(parametric_polynomial, CurveMethod::ParametricPolynomial);
VELTRO_CURVE_BENCH(interpolating_spline, CurveMethod::InterpolatingSpline);
VELTRO_CURVE_BENCH(bspline, CurveMethod::BSpline);

// The longest walks a frame may take: a cubic over a knot domain of 3000
// (150,001 samples by 0.02, so sampled evenly at the sample cap) and degree
// 100 over 400 points with Continuity On (held to the de Boor work budget).
void longBSpline(benchmark::State& bench, std::size_t points, std::int32_t degree,
                 veltro::KnotSequence knots, bool continuity) {
    SceneState state = sceneFor(CurveMethod::BSpline, points);
    state.bsplineDegree = degree;
    state.knotSequence = std::move(knots);
    state.continuityOn = continuity;
    state.sliderT = 1.0f;
    timeFrames(bench, state);
}
BENCHMARK_CAPTURE(longBSpline, knots_0_to_3000, 4, 3,
                  veltro::KnotSequence{0, 0, 0, 0, 3000, 3000, 3000, 3000}, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(longBSpline, degree_100_over_400_points, 400, 100, veltro::KnotSequence{}, true)
    ->Unit(benchmark::kMillisecond);

// Painting alone, the report composed once: how a frame's time splits
// between computing the shells and walking their segments.
void paintOnly(benchmark::State& bench, CurveMethod method) {
    SceneState state = sceneFor(method, static_cast<std::size_t>(bench.range(0)));
    timeFrames(bench, state, Timed::PaintingOnly);
}
BENCHMARK_CAPTURE(paintOnly, nested_linear, CurveMethod::NestedLinear)
    ->Arg(2000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
