#include "curves/slider_marker.h"

#include <cmath>

#include "curves/curve_colours.h"

namespace veltro {

void paintSliderMarker(SceneState& state, const ControlPoint& marker, FrameBuffer& frame) {
    state.markerColour = kSliderMarkerColour;
    if (std::isfinite(marker.centre.getX()) && std::isfinite(marker.centre.getY())) {
        marker.draw(frame, state.markerColour);
    }
}

}  // namespace veltro
