#include "raster/paint_frame.h"

#include "raster/disc.h"
#include "raster/frame_buffer.h"
#include "raster/rasterize.h"

namespace veltro::raster {

void paintFrame(const FrameReport& report, FrameBuffer& frame) {
    for (const Disc& disc : report.discs) {
        drawDisc(frame, disc.centre, disc.radius, disc.colour);
    }
    for (const Polyline& line : report.polylines) {
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            drawBresenham(frame, line.points[i], line.points[i + 1], line.colour);
        }
    }
}

}  // namespace veltro::raster
