#include <algorithm>
#include <cmath>
#include <vector>

#include "raster/bresenham_paths.h"
#include "raster/frame_buffer.h"
#include "raster/rasterize.h"

namespace veltro::raster {

namespace {

// True when no pixel of a Bresenham walk between the two points can lie in
// the window: the walk strays at most a few pixels beyond the endpoints' box
// (overshoot of a fractional extent, the widened zero extent, rounding).
bool boxMissesWindow(float x0, float y0, float x1, float y1, const PixelWindow& w) {
    constexpr double kMargin = 8.0;
    const double xLo = std::min<double>(x0, x1) - kMargin;
    const double xHi = std::max<double>(x0, x1) + kMargin;
    const double yLo = std::min<double>(y0, y1) - kMargin;
    const double yHi = std::max<double>(y0, y1) + kMargin;
    return xHi < static_cast<double>(w.xMin) || xLo > static_cast<double>(w.xMax) ||
           yHi < static_cast<double>(w.yMin) || yLo > static_cast<double>(w.yMax);
}

template <class Sink>
void drawBresenhamInto(const Point2& start, const Point2& end, const PixelWindow& window,
                       Sink& sink, const Limits& limits) {
    if (!detail::allFinite(start, end) || window.empty()) {
        return;
    }
    detail::BresenhamSetup s{start.x, start.y, end.x, end.y, 0, 0, 0, 0};
    if (boxMissesWindow(s.x0, s.y0, s.x1, s.y1, window)) {
        return;
    }
    const float dx = s.x1 - s.x0;
    const float dy = s.y1 - s.y0;
    s.sx = dx < 0.0f ? -1.0f : 1.0f;
    s.sy = dy < 0.0f ? -1.0f : 1.0f;
    s.dx = std::fabs(dx);
    s.dy = std::fabs(dy);
    if (s.dx == 0.0f) {
        s.dx = 0.01f;
    }
    if (!(s.dx <= limits.exactExtent && s.dy <= limits.exactExtent)) {
        // Also where the float differences overflowed.
        detail::drawFarBresenham(s, window, sink);
        return;
    }
    const bool yMajor = s.dy / s.dx >= 1.0f;
    const detail::BresenhamWalk walk =
        yMajor ? detail::BresenhamWalk(s.y0, s.x0, s.sy, s.sx, s.dy, s.dx, true)
               : detail::BresenhamWalk(s.x0, s.y0, s.sx, s.sy, s.dx, s.dy, false);
    if (walk.steps() <= limits.wholeWalkSteps || !walk.hasClosedForm()) {
        detail::drawWholeBresenham(walk, sink);
        return;
    }
    detail::drawClippedBresenham(s, walk, window, sink);
}

}  // namespace

void drawBresenham(FrameBuffer& frame, const Point2& start, const Point2& end,
                   const Colour& colour) {
    detail::FrameSink sink{frame, colour};
    drawBresenhamInto(start, end, detail::writableWindow(frame), sink, {});
}

void drawBresenhamPath(FrameBuffer& frame, const std::vector<Point2>& points,
                       const Colour& colour) {
    detail::FrameSink sink{frame, colour};
    const PixelWindow window = detail::writableWindow(frame);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        drawBresenhamInto(points[i], points[i + 1], window, sink, {});
    }
}

void drawBresenham(const Point2& start, const Point2& end, const PixelWindow& window,
                   std::vector<Pixel>& drawn, const Limits& limits) {
    detail::RecordingSink sink{drawn};
    drawBresenhamInto(start, end, window, sink, limits);
}

}  // namespace veltro::raster
