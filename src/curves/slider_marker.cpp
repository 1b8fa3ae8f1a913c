#include "curves/slider_marker.h"

#include <cmath>

#include "curves/curve_colours.h"

namespace veltro {

void paintSliderMarker(const ControlPoint& marker, FrameBuffer& frame, FrameReport& report) {
    if (std::isfinite(marker.centre.getX()) && std::isfinite(marker.centre.getY())) {
        marker.draw(frame, kSliderMarkerColour);
        report.discs.push_back(DrawnDisc{marker, kSliderMarkerColour});
    }
}

}  // namespace veltro
