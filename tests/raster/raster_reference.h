#pragma once

// Straightforward step-by-step versions of the two rasterizers, walking every
// pixel of the line with no clipping at all: what the clipped walks must
// reproduce inside any window.

#include <cstdint>
#include <vector>

#include "geometry/float_to_int.h"
#include "geometry/point2.h"
#include "raster/rasterize.h"

namespace veltro::testing {

struct Pixel {
    std::int64_t x;
    std::int64_t y;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

template <class Out>
void walkDDA(const Point2& a, const Point2& b, Out&& out) {
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    if (dx == 0.0f) {
        const std::int64_t column = truncToInt(a.x);
        const float lo = a.y < b.y ? a.y : b.y;
        const float hi = a.y < b.y ? b.y : a.y;
        for (std::int64_t row = truncToInt(lo); row <= truncToInt(hi); ++row) {
            out({column, row});
        }
        return;
    }
    const float m = std::fabs(dy / dx);
    if (dy == 0.0f) {
        const std::int64_t row = truncToInt(a.y);
        const float lo = a.x < b.x ? a.x : b.x;
        const float hi = a.x < b.x ? b.x : a.x;
        for (std::int64_t column = truncToInt(lo); column <= truncToInt(hi); ++column) {
            out({column, row});
        }
        return;
    }
    if (m > 0.0f && m <= 1.0f) {
        const std::int64_t x0 = roundHalfUp(a.x);
        const std::int64_t n = roundHalfUp(b.x) - x0;
        const std::int64_t sx = n >= 0 ? 1 : -1;
        const std::int64_t count = n >= 0 ? n : -n;
        const float yStep = dy < 0.0f ? -m : m;
        float yf = a.y;
        std::int64_t x = x0;
        out({x0, roundHalfUp(yf)});
        for (std::int64_t i = 0; i < count - 1; ++i) {
            x += sx;
            yf = yf + yStep;
            out({x, roundHalfUp(yf)});
        }
    } else if (m > 1.0f) {
        const std::int64_t y0 = roundHalfUp(a.y);
        const std::int64_t n = roundHalfUp(b.y) - y0;
        const std::int64_t sy = n >= 0 ? 1 : -1;
        const std::int64_t count = n >= 0 ? n : -n;
        const float xStep = dx / std::fabs(dy);
        float xf = a.x;
        std::int64_t y = y0;
        out({roundHalfUp(xf), y0});
        for (std::int64_t i = 0; i < count - 1; ++i) {
            y += sy;
            xf = xf + xStep;
            out({roundHalfUp(xf), y});
        }
    }
}

template <class Out>
void walkBresenham(const Point2& start, const Point2& end, Out&& out) {
    float dx = end.x - start.x;
    float dy = end.y - start.y;
    const float sx = dx < 0.0f ? -1.0f : 1.0f;
    const float sy = dy < 0.0f ? -1.0f : 1.0f;
    dx = std::fabs(dx);
    dy = std::fabs(dy);
    if (dx == 0.0f) {
        dx = 0.01f;
    }
    float x = start.x;
    float y = start.y;
    out({roundHalfUp(x), roundHalfUp(y)});
    if (dy / dx >= 1.0f) {
        std::int64_t d = truncToInt(2.0f * dx - dy);
        const std::int64_t diagonalStep = truncToInt(2.0f * (dx - dy));
        const std::int64_t straightStep = truncToInt(2.0f * dx);
        std::int64_t i = 0;
        do {
            y = y + sy;
            if (d >= 0) {
                x = x + sx;
                d += diagonalStep;
            } else {
                d += straightStep;
            }
            out({roundHalfUp(x), roundHalfUp(y)});
            ++i;
        } while (static_cast<float>(i) < dy);
    } else {
        std::int64_t d = truncToInt(2.0f * dy - dx);
        const std::int64_t diagonalStep = truncToInt(2.0f * (dy - dx));
        const std::int64_t straightStep = truncToInt(2.0f * dy);
        std::int64_t i = 0;
        do {
            x = x + sx;
            if (d >= 0) {
                y = y + sy;
                d += diagonalStep;
            } else {
                d += straightStep;
            }
            out({roundHalfUp(x), roundHalfUp(y)});
            ++i;
        } while (static_cast<float>(i) < dx);
    }
}

inline bool inside(const Pixel& p, const raster::PixelWindow& w) {
    return w.xMin <= p.x && p.x <= w.xMax && w.yMin <= p.y && p.y <= w.yMax;
}

inline std::vector<Pixel> insideOnly(const std::vector<Pixel>& pixels,
                                     const raster::PixelWindow& w) {
    std::vector<Pixel> out;
    for (const Pixel& p : pixels) {
        if (inside(p, w)) {
            out.push_back(p);
        }
    }
    return out;
}

// The whole walk, kept whole or only its part inside a window.
inline std::vector<Pixel> referenceDDA(const Point2& a, const Point2& b) {
    std::vector<Pixel> out;
    walkDDA(a, b, [&](const Pixel& p) { out.push_back(p); });
    return out;
}

inline std::vector<Pixel> referenceBresenham(const Point2& a, const Point2& b) {
    std::vector<Pixel> out;
    walkBresenham(a, b, [&](const Pixel& p) { out.push_back(p); });
    return out;
}

inline std::vector<Pixel> referenceDDA(const Point2& a, const Point2& b,
                                       const raster::PixelWindow& w) {
    std::vector<Pixel> out;
    walkDDA(a, b, [&](const Pixel& p) {
        if (inside(p, w)) {
            out.push_back(p);
        }
    });
    return out;
}

inline std::vector<Pixel> referenceBresenham(const Point2& a, const Point2& b,
                                             const raster::PixelWindow& w) {
    std::vector<Pixel> out;
    walkBresenham(a, b, [&](const Pixel& p) {
        if (inside(p, w)) {
            out.push_back(p);
        }
    });
    return out;
}

// Collects what a rasterizer hands over, in order.
struct Recorder {
    std::vector<raster::Pixel> drawn;

    std::vector<Pixel> pixels() const {
        std::vector<Pixel> out;
        for (const raster::Pixel& p : drawn) {
            out.push_back({p.x, p.y});
        }
        return out;
    }
};

}  // namespace veltro::testing
