// Whole frames per curve method with the slider and the shells on, as the
// core makes them (knots, report, painting into a real 640 x 480 frame): the
// figures behind the frame-time targets (80 points under 2 ms, 320 points
// under 50 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "curves/scene_frame.h"
#include "curves/scene_state.h"
#include "geometry/control_point.h"
#include "raster/frame_buffer.h"
#include "raster/paint_frame.h"

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

// Times whole frames of the given scene into a real 640 x 480 buffer.
void timeFrames(benchmark::State& bench, SceneState& state) {
    std::vector<std::uint32_t> pixels(std::size_t{FrameBuffer::kWidth} * FrameBuffer::kHeight);
    FrameBuffer frame(pixels.data(), FrameBuffer::kWidth, FrameBuffer::kHeight);
    frame.clear();
    std::size_t segments = 0;
    for (auto _ : bench) {
        veltro::prepareFrameKnots(state);
        const veltro::FrameReport report = veltro::composeFrame(state);
        veltro::raster::paintFrame(report, frame);
        segments = 0;
        for (const veltro::Polyline& line : report.polylines) {
            segments += line.points.size() - 1;
        }
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
    bench.counters["segments"] = static_cast<double>(segments);
}

void framePerMethod(benchmark::State& bench, CurveMethod method) {
    const auto count = static_cast<std::size_t>(bench.range(0));
    SceneState state = sceneFor(method, count);
    timeFrames(bench, state);
}

#define VELTRO_CURVE_BENCH(name, method)                          \
    BENCHMARK_CAPTURE(framePerMethod, name, method)               \
        ->Arg(80)                                                 \
        ->Arg(320)                                                \
        ->Unit(benchmark::kMillisecond);                          \
    BENCHMARK_CAPTURE(framePerMethod, name##_2000_points, method) \
        ->Arg(2000)                                               \
        ->Iterations(1)                                           \
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

}  // namespace
