#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "geometry/float_to_int.h"
#include "raster/float_steps.h"
#include "raster/frame_buffer.h"
#include "raster/pixel_sinks.h"
#include "raster/rasterize.h"
#include "raster/visible_steps.h"

namespace veltro::raster {

namespace {

// A sloped DDA walk: the major coordinate is the integer u0 + k * dir, the
// minor one the float sum v0 + vStep + ... + vStep (k terms), rounded.
struct DdaWalk {
    std::int64_t u0;
    int dir;
    float vStep;
    bool yMajor;

    template <class Sink>
    void emitSteps(float v, std::int64_t from, std::int64_t to, Sink& sink) const {
        detail::emitPixel(sink, yMajor, u0 + from * dir, roundHalfUp(v));
        for (std::int64_t k = from + 1; k <= to; ++k) {
            v = v + vStep;
            detail::emitPixel(sink, yMajor, u0 + k * dir, roundHalfUp(v));
        }
    }
};

template <class Sink>
void drawDDAInto(const Point2& a, const Point2& b, const PixelWindow& window, Sink& sink,
                 const Limits& limits) {
    if (!detail::allFinite(a, b) || window.empty()) {
        return;
    }
    const float ax = a.x;
    const float ay = a.y;
    const float bx = b.x;
    const float by = b.y;
    const float dx = bx - ax;
    const float dy = by - ay;
    if (dx == 0.0f) {
        detail::emitRun(sink, true, truncToInt(ax), truncToInt(std::min(ay, by)),
                        truncToInt(std::max(ay, by)), detail::axisWindow(window, true));
        return;
    }
    const float m = std::fabs(dy / dx);
    if (dy == 0.0f) {
        detail::emitRun(sink, false, truncToInt(ay), truncToInt(std::min(ax, bx)),
                        truncToInt(std::max(ax, bx)), detail::axisWindow(window, false));
        return;
    }
    if (!(m > 0.0f)) {
        return;  // the slope is not a number, or underflowed to zero
    }
    const bool steep = m > 1.0f;
    const float ua = steep ? ay : ax;
    const float ub = steep ? by : bx;
    const float va = steep ? ax : ay;
    const float vStep = steep ? dx / std::fabs(dy) : (dy < 0.0f ? -m : m);
    const std::int64_t u0 = roundHalfUp(ua);
    const std::int64_t n = static_cast<std::int64_t>(roundHalfUp(ub)) - u0;
    const int dir = n >= 0 ? 1 : -1;
    const std::int64_t count = n >= 0 ? n : -n;
    const std::int64_t lastStep = std::max<std::int64_t>(count - 1, 0);
    const DdaWalk walk{u0, dir, vStep, steep};
    if (count <= limits.wholeWalkSteps) {
        walk.emitSteps(va, 0, lastStep, sink);
        return;
    }
    const detail::AxisWindow w = detail::axisWindow(window, steep);
    const auto pixelAt = [&](std::int64_t k) {
        const float v = addRepeatedly(va, vStep, static_cast<std::uint64_t>(k));
        return std::pair<std::int64_t, std::int64_t>(u0 + k * dir, roundHalfUp(v));
    };
    const detail::StepRange run =
        detail::visibleSteps(lastStep, dir, vStep < 0.0f ? -1 : 1, w,
                             {static_cast<double>(u0), va, std::fabs(vStep)}, pixelAt);
    if (run.first <= run.last) {
        walk.emitSteps(addRepeatedly(va, vStep, static_cast<std::uint64_t>(run.first)), run.first,
                       run.last, sink);
    }
}

}  // namespace

void drawDDA(FrameBuffer& frame, const Point2& start, const Point2& end, const Colour& colour) {
    detail::FrameSink sink{frame, colour};
    drawDDAInto(start, end, detail::writableWindow(frame), sink, {});
}

void drawDDA(const Point2& a, const Point2& b, const PixelWindow& window, std::vector<Pixel>& drawn,
             const Limits& limits) {
    detail::RecordingSink sink{drawn};
    drawDDAInto(a, b, window, sink, limits);
}

}  // namespace veltro::raster
