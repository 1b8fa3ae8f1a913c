#include "raster/disc.h"

#include <cmath>
#include <cstdint>

#include "geometry/bit_cast.h"
#include "raster/frame_buffer.h"
#include "raster/rasterize.h"

namespace veltro::raster {

void drawDisc(FrameBuffer& frame, const Point2& centre, float radius, const Colour& colour) {
    const float cx = centre.x;
    const float cy = centre.y;
    const float r = radius;
    const float step = 1.0f / r;
    // Rounded from double rather than taken from the float functions, whose
    // last bit differs between C libraries: a disc must look the same on
    // every platform.
    const float c = static_cast<float>(std::cos(static_cast<double>(step)));
    const float s = static_cast<float>(std::sin(static_cast<double>(step)));
    // Just above pi/4, so the eighth of a turn is covered including its end.
    const float lastAngle = bitCast<float>(std::uint32_t{0x3F490FEB});
    // A huge radius makes the step so small that the float angle stops
    // advancing, and a negative one walks away from the end: either would
    // never finish. A radius-10 disc takes 8 turns; this many cover radii up
    // to about 5000 exactly.
    constexpr int kMaxTurns = 4096;

    float x = 0.0f;
    float y = r;
    float angle = 0.0f;
    int turns = 0;
    do {
        const float nx = x * c - y * s;
        const float ny = x * s + y * c;
        x = nx;
        y = ny;
        drawDDA(frame, Point2(cx - y, cy + x), Point2(cx + y, cy + x), colour);
        drawDDA(frame, Point2(cx - y, cy - x), Point2(cx + y, cy - x), colour);
        drawDDA(frame, Point2(cx - x, cy + y), Point2(cx + x, cy + y), colour);
        drawDDA(frame, Point2(cx - x, cy - y), Point2(cx + x, cy - y), colour);
        angle = angle + step;
        ++turns;
    } while (angle <= lastAngle && turns < kMaxTurns);
    drawDDA(frame, Point2(cx - r, cy), Point2(cx + r, cy), colour);
}

}  // namespace veltro::raster
