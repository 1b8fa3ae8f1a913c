#pragma once

#include <string>

#include "geometry/frame_report.h"

namespace veltro::replay {

// The frame's report as a 640 x 480 SVG document, discs first. Segments that
// continue one another in one colour become one <polyline>, also across the
// report's polylines; segments and discs with a coordinate that is not
// finite are left out, as the frame leaves them out. Colours are what the
// frame's pixels get (alpha plays no part there, so none here either).
// Each element's class names what it shows (point, marker, polygon, curve,
// shell), so a stylesheet can restyle a figure; everything is clipped to the
// 640 x 480 area as the window clips it.
struct SvgStyle {
    float strokeWidth = 1.0f;  // as the window draws its lines
};

std::string svgFigure(const FrameReport& report, const SvgStyle& style = {});

}  // namespace veltro::replay
