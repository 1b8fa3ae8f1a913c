#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "geometry/float_to_int.h"
#include "geometry/wide_kernel.h"
#include "raster/bresenham_paths.h"
#include "raster/ideal_line.h"

namespace veltro::raster::detail {

namespace {

struct VisiblePositions {
    std::int64_t first;
    std::int64_t last;
};

// The positions 0 .. count whose minor coordinate can round into the
// window's minor span. A far segment mostly crosses the major span outside
// the window, so this spares it a line evaluation per position it would
// only throw away. The line is straight, so its minor coordinate moves one
// way along the positions; a pixel inside needs it within two pixels of
// the span (snapping and rounding move it less), and the band searched is
// three pixels wider on each side, far more than the evaluation's error, so
// no position that can give a pixel is left out even where rounding makes
// the minor coordinate wobble by a unit in the last place.
template <class MinorAt>
VisiblePositions positionsNearMinorSpan(std::int64_t count, MinorAt minorAt, const Span& minor) {
    constexpr double kBand = 3.0;
    const double lo = static_cast<double>(minor.lo) - kBand;
    const double hi = static_cast<double>(minor.hi) + kBand;
    const VisiblePositions all{0, count};
    const double atFirst = minorAt(0);
    const double atLast = minorAt(count);
    if (count < 8 || !std::isfinite(atFirst) || !std::isfinite(atLast)) {
        return all;
    }
    const bool rising = atLast >= atFirst;
    const auto before = [&](double v) { return rising ? v < lo : v > hi; };
    const auto after = [&](double v) { return rising ? v > hi : v < lo; };
    // The first position not before the band, then the first after it;
    // each search keeps a position whose predicate holds to its right.
    std::int64_t below = 0;
    std::int64_t above = count + 1;
    if (!before(atFirst)) {
        above = 0;
    }
    while (above - below > 1) {
        const std::int64_t mid = below + (above - below) / 2;
        (before(minorAt(mid)) ? below : above) = mid;
    }
    const std::int64_t start = above;
    below = start - 1;
    above = count + 1;
    if (start <= count && after(minorAt(start))) {
        above = start;
    }
    while (above - below > 1) {
        const std::int64_t mid = below + (above - below) / 2;
        (after(minorAt(mid)) ? above : below) = mid;
    }
    return {start, above - 1};
}

// Positions whose minor coordinates are computed together.
constexpr std::size_t kChunk = 64;

// The ideal line's minor coordinate at each of `count` positions u (a
// multiple of four, at most kChunk), snapped to the grid the minor cursor
// moves on as the walk's decision does: four at a time, each lane the same
// operations as one position alone.
VELTRO_WIDE_KERNEL
void snappedMinors(const IdealLine& line, double minorPhase, bool rising, const double* u,
                   double* snapped, std::size_t count) {
    for (std::size_t k = 0; k < count; k += 4) {
        DoubleLanes at;
        std::memcpy(&at, u + k, sizeof(at));
        DoubleLanes v;
        line.minorAt(at, v);
        DoubleLanes s = rising ? v - minorPhase + 0.5 : minorPhase - v + 0.5;
        floorLanes(s);
        s = rising ? minorPhase + s : minorPhase - s;
        std::memcpy(snapped + k, &s, sizeof(s));
    }
}

// Far beyond the exact extent: one pixel per cursor position the walk would
// pass through inside the window, with the minor coordinate of the ideal line
// snapped to the grid the minor cursor moves on, as the walk's decision does.
template <class Sink>
void drawIdealBresenham(float u0, float v0, float u1, float v1, float dmajor, bool yMajor,
                        const AxisWindow& w, Sink& sink) {
    const double su = u1 < u0 ? -1.0 : 1.0;
    const double sv = v1 < v0 ? -1.0 : 1.0;
    const IdealLine line(u0, v0, u1, v1);
    // Cursor positions are u0 + k su. Below 2^24 they are exact, and the
    // walk's loop bound is the float extent; further out the float cursor
    // would stall, and u0, an integer there, is replaced by positions on the
    // whole numbers up to the first one at or past u1.
    const double phase = static_cast<double>(u0) - std::trunc(static_cast<double>(u0));
    const double first = u0;
    double last = 0.0;
    if (std::fabs(u0) < 16777216.0f) {
        const double extent = std::isfinite(dmajor)
                                  ? static_cast<double>(dmajor)
                                  : std::fabs(static_cast<double>(u1) - static_cast<double>(u0));
        last = first + su * std::ceil(extent);
    } else {
        last = su > 0.0 ? std::ceil(static_cast<double>(u1)) : std::floor(static_cast<double>(u1));
    }
    const double minorPhase = static_cast<double>(v0) - std::trunc(static_cast<double>(v0));
    // Every cursor position phase + n whose pixel can fall inside the major
    // span, in walking order.
    const double nLo = std::floor(static_cast<double>(w.major.lo) - 2.0 - phase);
    const double nHi = std::ceil(static_cast<double>(w.major.hi) + 2.0 - phase);
    const std::int64_t count = truncToInt64(nHi - nLo);
    const auto cursorAt = [&](std::int64_t i) {
        return phase + (su > 0.0 ? nLo + static_cast<double>(i) : nHi - static_cast<double>(i));
    };
    const VisiblePositions visible = positionsNearMinorSpan(
        count, [&](std::int64_t i) { return line.minorAt(cursorAt(i)); }, w.minor);
    double u[kChunk];
    double snapped[kChunk];
    for (std::int64_t from = visible.first; from <= visible.last;
         from += static_cast<std::int64_t>(kChunk)) {
        const auto count = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(kChunk), visible.last - from + 1));
        const std::size_t padded = (count + 3) / 4 * 4;
        for (std::size_t k = 0; k < padded; ++k) {
            u[k] = cursorAt(from + static_cast<std::int64_t>(k));
        }
        snappedMinors(line, minorPhase, sv > 0.0, u, snapped, padded);
        for (std::size_t k = 0; k < count; ++k) {
            if (su * (u[k] - first) < 0.0 || su * (last - u[k]) < 0.0) {
                continue;
            }
            const std::int64_t major = truncToInt64(u[k] + 0.5);
            const std::int64_t minor = truncToInt64(snapped[k] + 0.5);
            if (w.major.holds(major) && w.minor.holds(minor)) {
                emitPixel(sink, yMajor, major, minor);
            }
        }
    }
}

}  // namespace

template <class Sink>
void drawFarBresenham(const BresenhamSetup& s, const PixelWindow& window, Sink& sink) {
    const bool yMajor = (std::isfinite(s.dx) && std::isfinite(s.dy))
                            ? s.dy / s.dx >= 1.0f
                            : std::fabs(static_cast<double>(s.y1) - s.y0) >=
                                  std::fabs(static_cast<double>(s.x1) - s.x0);
    const AxisWindow w = axisWindow(window, yMajor);
    if (yMajor) {
        drawIdealBresenham(s.y0, s.x0, s.y1, s.x1, s.dy, true, w, sink);
    } else {
        drawIdealBresenham(s.x0, s.y0, s.x1, s.y1, s.dx, false, w, sink);
    }
}

template void drawFarBresenham(const BresenhamSetup&, const PixelWindow&, FrameSink&);
template void drawFarBresenham(const BresenhamSetup&, const PixelWindow&, RecordingSink&);

}  // namespace veltro::raster::detail
