#pragma once

#include "geometry/frame_report.h"

namespace veltro {

class FrameBuffer;

namespace raster {

// Paints the report over what the frame holds, in the report's order: every
// disc, then every segment of every polyline. All of a frame's pixels are
// painted here.
void paintFrame(const FrameReport& report, FrameBuffer& frame);

}  // namespace raster
}  // namespace veltro
