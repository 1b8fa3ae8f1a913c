#include "geometry/line_segment.h"

#include <cstdint>

#include "app/frame_buffer.h"
#include "geometry/rasterize.h"

namespace veltro {

namespace {

// setPixel keeps columns 1..width-1 and rows 1..height-1.
raster::PixelWindow writableWindow(const FrameBuffer& frame) {
    return {1, static_cast<std::int64_t>(frame.width()) - 1, 1,
            static_cast<std::int64_t>(frame.height()) - 1};
}

}  // namespace

void LineSegment::drawDDA(FrameBuffer& frame) const {
    raster::drawDDA(start_, end_, writableWindow(frame),
                    [&](std::int32_t x, std::int32_t y) { frame.setPixel(x, y, colour_); });
}

void LineSegment::drawBresenham(FrameBuffer& frame) const {
    raster::drawBresenham(start_, end_, writableWindow(frame),
                          [&](std::int32_t x, std::int32_t y) { frame.setPixel(x, y, colour_); });
}

}  // namespace veltro
