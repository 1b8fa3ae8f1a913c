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
        drawBresenhamPath(frame, line.points, line.colour);
    }
}

}  // namespace veltro::raster
