#pragma once

#include "raster/bresenham_walk.h"
#include "raster/pixel_sinks.h"
#include "raster/rasterize.h"

// The three ways a Bresenham segment reaches its pixels. drawBresenham picks
// one per segment; each is instantiated for the frame and the recording sink.
namespace veltro::raster::detail {

// A segment after the set-up every path shares: the endpoints, the direction
// signs and the absolute extents (dx widened to 0.01 when it is zero).
struct BresenhamSetup {
    float x0;
    float y0;
    float x1;
    float y1;
    float sx;
    float sy;
    float dx;
    float dy;
};

// Exact and short, or without a closed form: an extent within
// Limits::exactExtent and at most Limits::wholeWalkSteps steps (or a walk
// whose decision terms rounded out of order). Runs every step; the sink drops
// what lies outside. The common case, so it stays inline.
template <class Sink>
void drawWholeBresenham(const BresenhamWalk& walk, Sink& sink) {
    walk.emitSteps(walk.start(), 0, walk.steps(), sink);
}

// Exact and long: an extent within Limits::exactExtent but more steps than
// Limits::wholeWalkSteps. Jumps to the first visible step with the state the
// walk would have there and runs only the visible ones.
template <class Sink>
void drawClippedBresenham(const BresenhamSetup& s, const BresenhamWalk& walk,
                          const PixelWindow& window, Sink& sink);

// Far: an extent beyond Limits::exactExtent (or one that overflowed), where
// the float cursor no longer moves by whole pixels. Draws the visible part of
// the ideal line the walk follows.
template <class Sink>
void drawFarBresenham(const BresenhamSetup& s, const PixelWindow& window, Sink& sink);

}  // namespace veltro::raster::detail
