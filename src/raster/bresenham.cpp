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

// Most segments of a frame are short and well inside it, and there what
// costs in a walk is not its pixels but its branches (which axis is major,
// whether each step is diagonal, when the walk ends: each one a coin toss
// for the processor) and its per-pixel roundings and bounds checks. Such a
// segment is walked here in word offsets, with the whole walk's decisions:
//  - the cursor moves by whole pixels, exactly, and stays at least one
//    pixel above zero, so its rounding trunc(cursor + 0.5) is
//    floor(cursor + 0.5) and moves exactly with it: the start's pixel plus
//    the steps taken;
//  - a walk of n steps moves at most n pixels along either axis, so a start
//    pixel more than n pixels inside every edge keeps every pixel in the
//    frame;
//  - a walk of at most three steps always takes three, staying on its last
//    pixel once it has ended (painting a pixel again in the same colour
//    changes nothing), so that most walks have no branch at all.
// Returns false, having painted nothing, for any other segment.
bool drawInteriorSegment(const Point2& start, const Point2& end, FrameBuffer& frame,
                         std::uint32_t word) {
    constexpr float kLongestExtent = 1024.0f;
    const float dx = end.x - start.x;
    const float dy = end.y - start.y;
    const float absDx = std::fabs(dx);
    const float absDy = std::fabs(dy);
    // Fails for a non-finite endpoint too, which the general walk skips.
    if (!(absDx <= kLongestExtent && absDy <= kLongestExtent && start.x >= 1.0f &&
          start.y >= 1.0f && start.x <= kLongestExtent && start.y <= kLongestExtent)) {
        return false;
    }
    const float widenedDx = absDx == 0.0f ? 0.01f : absDx;
    // absDy / widenedDx >= 1 as the whole walk decides it: for floats of this
    // size the quotient rounds to 1 or more exactly when absDy >= widenedDx.
    const bool yMajor = absDy >= widenedDx;
    const float major = yMajor ? absDy : widenedDx;
    const float minor = yMajor ? widenedDx : absDy;
    const std::int32_t steps = std::max(1, static_cast<std::int32_t>(std::ceil(major)));
    const auto column = static_cast<std::int32_t>(static_cast<double>(start.x) + 0.5);
    const auto row = static_cast<std::int32_t>(static_cast<double>(start.y) + 0.5);
    const auto width = static_cast<std::int32_t>(frame.width());
    const auto height = static_cast<std::int32_t>(frame.height());
    if (column <= steps || row <= steps || column + steps >= width || row + steps >= height) {
        return false;
    }
    const auto decision = [](float value) { return static_cast<std::int32_t>(value); };
    const std::int32_t diagonal = decision(2.0f * (minor - major));
    const std::int32_t straight = decision(2.0f * minor);
    std::int32_t d = decision(2.0f * minor - major);
    const std::int32_t stepX = dx < 0.0f ? -1 : 1;
    const std::int32_t stepY = dy < 0.0f ? -width : width;
    const std::int32_t majorStep = yMajor ? stepY : stepX;
    const std::int32_t minorStep = yMajor ? stepX : stepY;
    std::uint32_t* pixels = frame.pixels();
    std::ptrdiff_t at = static_cast<std::ptrdiff_t>(row - 1) * width + column;
    pixels[at] = word;
    for (std::int32_t k = 1; k <= std::max(steps, 3); ++k) {
        const bool go = k <= steps;
        const bool diagonalStep = d >= 0;
        at += go ? majorStep + (diagonalStep ? minorStep : 0) : 0;
        d += go ? (diagonalStep ? diagonal : straight) : 0;
        pixels[at] = word;
    }
    return true;
}

// One segment into a frame: inside it the short way, anywhere else the
// general walk.
void paintSegment(const Point2& start, const Point2& end, FrameBuffer& frame,
                  const PixelWindow& window, detail::FrameSink& sink) {
    if (!drawInteriorSegment(start, end, frame, sink.word)) {
        drawBresenhamInto(start, end, window, sink, {});
    }
}

}  // namespace

void drawBresenham(FrameBuffer& frame, const Point2& start, const Point2& end,
                   const Colour& colour) {
    detail::FrameSink sink{frame, colour};
    paintSegment(start, end, frame, detail::writableWindow(frame), sink);
}

void drawBresenhamPath(FrameBuffer& frame, const std::vector<Point2>& points,
                       const Colour& colour) {
    detail::FrameSink sink{frame, colour};
    const PixelWindow window = detail::writableWindow(frame);
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        paintSegment(points[i], points[i + 1], frame, window, sink);
    }
}

void drawBresenham(const Point2& start, const Point2& end, const PixelWindow& window,
                   std::vector<Pixel>& drawn, const Limits& limits) {
    detail::RecordingSink sink{drawn};
    drawBresenhamInto(start, end, window, sink, limits);
}

}  // namespace veltro::raster
