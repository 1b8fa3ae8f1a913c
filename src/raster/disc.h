#pragma once

#include "geometry/colour.h"
#include "geometry/point2.h"

namespace veltro {

class FrameBuffer;

namespace raster {

// A filled disc, as the control points and the slider marker are shown:
// horizontal DDA spans at the points of a rotated radius, an eighth of a turn
// mirrored eight ways, and one span through the centre.
void drawDisc(FrameBuffer& frame, const Point2& centre, float radius, const Colour& colour);

}  // namespace raster
}  // namespace veltro
