#pragma once

#include <string>
#include <string_view>

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

// The figure's content without the document around it: its clip path under
// clipId (unique in the document), the white page, then the discs and lines
// in 640 x 480 units, to be placed inside an <svg> of that view box.
void appendFigureBody(std::string& out, const FrameReport& report, const SvgStyle& style,
                      std::string_view clipId);

// The rgb() a colour's pixels get.
std::string svgColour(const Colour& colour);

}  // namespace veltro::replay
