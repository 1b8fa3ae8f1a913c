#include "curves/nested_linear.h"

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "curves/slider_marker.h"
#include "geometry/control_point.h"

namespace veltro {

Point2 nestedPoint(const std::vector<Point2>& polygon, float t, CasteljauScratch& scratch,
                   FrameReport* shells) {
    if (polygon.empty()) {
        return Point2();
    }
    if (polygon.size() == 1) {
        return polygon.front();
    }
    scratch.load(polygon);
    for (std::size_t size = polygon.size(); size >= 2; --size) {
        casteljauLevel(scratch, size, t);
        if (shells != nullptr) {
            appendScratchPolyline(*shells, scratch, size - 1, kShellColour);
        }
    }
    return scratch.at(0);
}

void drawNestedLinear(const SceneState& state, const std::vector<Point2>& polygon,
                      FrameBuffer& frame, FrameReport& report) {
    CasteljauScratch scratch;
    const auto shellsAt = [&](float t) {
        return state.shellsOn && t == state.sliderT ? &report : nullptr;
    };
    std::vector<Point2> samples;
    samples.reserve(52);
    const auto sample = [&](float t) {
        samples.push_back(nestedPoint(polygon, t, scratch, shellsAt(t)));
    };
    walkParameter(0.0f, 1.0f, kMaxCurveSamples, sample);
    // The float walk stops a hair short of 1; the last sample closes the gap.
    sample(1.0f);
    report.addPolyline(samples, kNestedLinearColour);

    if (state.sliderOn) {
        const float t = state.sliderT;
        const Point2 p = nestedPoint(polygon, t, scratch, shellsAt(t));
        paintSliderMarker(ControlPoint(p, ControlPoint::kRadius), frame, report);
    } else if (state.shellsOn) {
        // Without the slider sliderT holds 0.5, so this draws the shells there.
        nestedPoint(polygon, 0.5f, scratch, shellsAt(0.5f));
    }
}

}  // namespace veltro
