#include "curves/slider_marker.h"

#include <cmath>

#include "curves/curve_colours.h"
#include "raster/disc.h"

namespace veltro {

void paintSliderMarker(const ControlPoint& marker, FrameBuffer& frame, FrameReport& report) {
    if (std::isfinite(marker.centre.x) && std::isfinite(marker.centre.y)) {
        raster::drawDisc(frame, marker.centre, marker.radius, kSliderMarkerColour);
        report.discs.push_back(DrawnDisc{marker, kSliderMarkerColour});
    }
}

}  // namespace veltro
