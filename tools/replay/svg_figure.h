#pragma once

#include <string>

#include "geometry/frame_report.h"

namespace veltro::replay {

// The frame's report as a 640 x 480 SVG document, discs first. Segments that
// continue one another in one colour become one <polyline>, also across the
// report's polylines; segments and discs with a coordinate that is not
// finite are left out, as the frame leaves them out. Colours are what the
// frame's pixels get (alpha plays no part there, so none here either).
std::string svgFigure(const FrameReport& report);

}  // namespace veltro::replay
