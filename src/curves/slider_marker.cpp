#include "curves/slider_marker.h"

#include <cmath>

#include "curves/curve_colours.h"
#include "geometry/control_point.h"

namespace veltro {

void addSliderMarker(FrameReport& curve, const Point2& at) {
    if (std::isfinite(at.x) && std::isfinite(at.y)) {
        curve.discs.push_back(
            Disc{at, ControlPoint::kRadius, kSliderMarkerColour, DiscRole::Marker});
    }
}

}  // namespace veltro
