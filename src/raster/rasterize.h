#pragma once

#include <cstdint>
#include <vector>

#include "geometry/colour.h"
#include "geometry/point2.h"

namespace veltro {

class FrameBuffer;

// The two line rasterizers.
//
// Lines may be arbitrarily long (a curve swinging out to 1e30 px is an
// ordinary input), so a long walk never visits its invisible part one pixel
// at a time: it jumps straight to the first visible step, with the exact
// state the step-by-step walk would have there, and emits exactly the
// pixels the plain walk would put inside the window. The DDA does this for
// any finite segment. The Bresenham walk does it up to `Limits::exactExtent`;
// beyond that its float cursor can no longer move by one pixel and the
// visible part of the ideal line is drawn instead. Segments with a
// non-finite endpoint draw nothing.
namespace raster {

// Inclusive pixel bounds of what a target keeps. Inside them every pixel of
// the walk is emitted, in order; outside them pixels may be left out.
struct PixelWindow {
    std::int64_t xMin;
    std::int64_t xMax;
    std::int64_t yMin;
    std::int64_t yMax;

    bool empty() const { return xMin > xMax || yMin > yMax; }
};

struct Limits {
    // Up to this many steps the whole walk is run: dropping invisible pixels
    // one by one is cheaper than finding where the visible ones start.
    std::int64_t wholeWalkSteps = 512;
    // Up to this major extent the Bresenham walk is reproduced exactly
    // (2^24: float steps of one pixel are exact below it).
    double exactExtent = 16777216.0;
};

struct Pixel {
    std::int32_t x;
    std::int32_t y;

    friend bool operator==(const Pixel&, const Pixel&) = default;
};

// Slope-stepping rasterizer: columns (or rows) from the start up to but not
// including the end, the minor coordinate accumulated in float; vertical and
// horizontal segments are runs between the truncated ends, both included.
// The disc markers draw their spans with it.
void drawDDA(FrameBuffer& frame, const Point2& start, const Point2& end, const Colour& colour);

// Integer-decision rasterizer over float endpoints: 1 + ceil(major extent)
// pixels from the start, the cursor moving in float steps of one pixel.
// Every curve segment.
void drawBresenham(FrameBuffer& frame, const Point2& start, const Point2& end,
                   const Colour& colour);

// drawBresenham for each segment of the path in turn, as a polyline is
// painted: a frame's curves are mostly short segments, so what is the same
// for all of them is set up once.
void drawBresenhamPath(FrameBuffer& frame, const std::vector<Point2>& points, const Colour& colour);

// The same walks, appending the pixels they hand over inside `window` to
// `drawn` in drawing order instead of painting them.
void drawDDA(const Point2& a, const Point2& b, const PixelWindow& window, std::vector<Pixel>& drawn,
             const Limits& limits = {});
void drawBresenham(const Point2& start, const Point2& end, const PixelWindow& window,
                   std::vector<Pixel>& drawn, const Limits& limits = {});

}  // namespace raster
}  // namespace veltro
