#include "geometry/line_segment.h"

#include <cmath>
#include <cstdint>

#include "app/frame_buffer.h"
#include "geometry/float_to_int.h"

namespace veltro {

// Straightforward versions; clipping of far-outside segments still to come.

void LineSegment::drawDDA(FrameBuffer& frame) const {
    const float ax = start_.getX();
    const float ay = start_.getY();
    const float bx = end_.getX();
    const float by = end_.getY();
    const float dx = bx - ax;
    const float dy = by - ay;
    if (dx == 0.0f) {
        const std::int32_t column = truncToInt(ax);
        const std::int64_t lo = truncToInt(std::fmin(ay, by));
        const std::int64_t hi = truncToInt(std::fmax(ay, by));
        for (std::int64_t row = lo; row <= hi; ++row) {
            frame.setPixel(column, static_cast<std::int32_t>(row), colour_);
        }
        return;
    }
    const float m = std::fabs(dy / dx);
    if (dy == 0.0f) {
        const std::int32_t row = truncToInt(ay);
        const std::int64_t lo = truncToInt(std::fmin(ax, bx));
        const std::int64_t hi = truncToInt(std::fmax(ax, bx));
        for (std::int64_t column = lo; column <= hi; ++column) {
            frame.setPixel(static_cast<std::int32_t>(column), row, colour_);
        }
        return;
    }
    if (m > 0.0f && m <= 1.0f) {
        const std::int32_t x0 = roundHalfUp(ax);
        const std::int32_t x1 = roundHalfUp(bx);
        const std::int64_t n = static_cast<std::int64_t>(x1) - x0;
        const std::int64_t sx = n >= 0 ? 1 : -1;
        const std::int64_t count = n >= 0 ? n : -n;
        const float yStep = dy < 0.0f ? -m : m;
        float yf = ay;
        std::int64_t x = x0;
        frame.setPixel(x0, roundHalfUp(ay), colour_);
        for (std::int64_t i = 1; i < count; ++i) {
            x += sx;
            yf = yf + yStep;
            frame.setPixel(static_cast<std::int32_t>(x), roundHalfUp(yf), colour_);
        }
        return;
    }
    if (m > 1.0f) {
        const std::int32_t y0 = roundHalfUp(ay);
        const std::int32_t y1 = roundHalfUp(by);
        const std::int64_t n = static_cast<std::int64_t>(y1) - y0;
        const std::int64_t sy = n >= 0 ? 1 : -1;
        const std::int64_t count = n >= 0 ? n : -n;
        const float xStep = dx / std::fabs(dy);
        float xf = ax;
        std::int64_t y = y0;
        frame.setPixel(roundHalfUp(ax), y0, colour_);
        for (std::int64_t i = 1; i < count; ++i) {
            y += sy;
            xf = xf + xStep;
            frame.setPixel(roundHalfUp(xf), static_cast<std::int32_t>(y), colour_);
        }
    }
}

void LineSegment::drawBresenham(FrameBuffer& frame) const {
    float dx = end_.getX() - start_.getX();
    float dy = end_.getY() - start_.getY();
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return;
    }
    const float sx = dx < 0.0f ? -1.0f : 1.0f;
    const float sy = dy < 0.0f ? -1.0f : 1.0f;
    dx = std::fabs(dx);
    dy = std::fabs(dy);
    if (dx == 0.0f) {
        dx = 0.01f;
    }
    float x = start_.getX();
    float y = start_.getY();
    frame.setPixel(roundHalfUp(x), roundHalfUp(y), colour_);
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
            frame.setPixel(roundHalfUp(x), roundHalfUp(y), colour_);
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
            frame.setPixel(roundHalfUp(x), roundHalfUp(y), colour_);
            ++i;
        } while (static_cast<float>(i) < dx);
    }
}

}  // namespace veltro
