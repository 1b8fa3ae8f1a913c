#pragma once

#include <string>
#include <vector>

#include "geometry/colour.h"
#include "geometry/line_segment.h"
#include "geometry/point2.h"

namespace veltro::replay {

// A filled disc of the frame: a control point or the slider marker.
struct FigureDisc {
    Point2 centre;
    float radius = 0.0f;
    Colour colour;
};

// What a frame paints, in painting order: the discs first (the marker
// under the control points), then the segments over them.
struct Figure {
    std::vector<FigureDisc> discs;
    std::vector<LineSegment> segments;
};

// The figure as a 640 x 480 SVG document. Runs of segments that continue
// one another in one colour become one <polyline>; segments and discs with
// a coordinate that is not finite are left out, as the frame leaves them out.
// Colours are what the frame's pixels get (alpha plays no part there, so
// none here either).
std::string svgFigure(const Figure& figure);

}  // namespace veltro::replay
