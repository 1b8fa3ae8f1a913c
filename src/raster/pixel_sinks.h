#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "geometry/colour.h"
#include "raster/frame_buffer.h"
#include "raster/rasterize.h"

// Where the walks put their pixels, and the pixel plumbing they share. The
// walks are templates over the sink so that painting a frame costs no call
// per pixel; they are instantiated for exactly the two sinks below.
namespace veltro::raster::detail {

struct FrameSink {
    FrameSink(FrameBuffer& target, const Colour& colour)
        : frame(target), word(FrameBuffer::wordFor(colour)) {}

    FrameBuffer& frame;
    std::uint32_t word;

    void operator()(std::int32_t x, std::int32_t y) {
        frame.setWord(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), word);
    }
};

struct RecordingSink {
    std::vector<Pixel>& drawn;

    void operator()(std::int32_t x, std::int32_t y) { drawn.push_back({x, y}); }
};

// setPixel keeps columns 1..width-1 and rows 1..height-1.
inline PixelWindow writableWindow(const FrameBuffer& frame) {
    return {1, static_cast<std::int64_t>(frame.width()) - 1, 1,
            static_cast<std::int64_t>(frame.height()) - 1};
}

struct Span {
    std::int64_t lo;
    std::int64_t hi;

    bool holds(std::int64_t v) const { return lo <= v && v <= hi; }
};

// The window seen along a walk's major and minor axis.
struct AxisWindow {
    Span major;
    Span minor;
};

inline AxisWindow axisWindow(const PixelWindow& w, bool yMajor) {
    const Span xs{w.xMin, w.xMax};
    const Span ys{w.yMin, w.yMax};
    return yMajor ? AxisWindow{ys, xs} : AxisWindow{xs, ys};
}

inline bool allFinite(const Point2& a, const Point2& b) {
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y);
}

// Pixel coordinates always fit: they come from saturated conversions or lie
// between two of them.
template <class Sink>
void emitPixel(Sink& sink, bool yMajor, std::int64_t major, std::int64_t minor) {
    const auto u = static_cast<std::int32_t>(major);
    const auto v = static_cast<std::int32_t>(minor);
    if (yMajor) {
        sink(v, u);
    } else {
        sink(u, v);
    }
}

// Pixels lo..hi along the major axis in one line of the minor axis.
template <class Sink>
void emitRun(Sink& sink, bool yMajor, std::int64_t minor, std::int64_t lo, std::int64_t hi,
             const AxisWindow& w) {
    if (!w.minor.holds(minor)) {
        return;
    }
    const std::int64_t last = std::min(hi, w.major.hi);
    for (std::int64_t major = std::max(lo, w.major.lo); major <= last; ++major) {
        emitPixel(sink, yMajor, major, minor);
    }
}

}  // namespace veltro::raster::detail
