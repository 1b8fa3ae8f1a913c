#include "curves/nested_linear.h"

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "curves/slider_marker.h"

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
            appendScratchPolyline(*shells, scratch, size - 1, kShellColour, PolylineRole::Shell);
        }
    }
    return scratch.at(0);
}

void addNestedLinearCurve(const std::vector<Point2>& polygon, const SliderAndShells& options,
                          FrameReport& frame) {
    CasteljauScratch scratch;
    const auto shellsAt = [&](float t) {
        return options.shellsOn && t == options.sliderT ? &frame : nullptr;
    };
    std::vector<Point2> samples = frame.takePoints();
    std::vector<float> ts;
    samples.reserve(52);
    ts.reserve(52);
    const auto sample = [&](float t) {
        samples.push_back(nestedPoint(polygon, t, scratch, shellsAt(t)));
        ts.push_back(t);
    };
    walkParameter(0.0f, 1.0f, kMaxCurveSamples, sample);
    // The float walk stops a hair short of 1; the last sample closes the gap.
    sample(1.0f);
    appendPolyline(frame.polylines, Polyline{kNestedLinearColour, std::move(samples),
                                             PolylineRole::Curve, std::move(ts)});

    if (options.sliderOn) {
        const float t = options.sliderT;
        addSliderMarker(frame, nestedPoint(polygon, t, scratch, shellsAt(t)));
    } else if (options.shellsOn) {
        // Without the slider sliderT holds 0.5, so this draws the shells there.
        nestedPoint(polygon, 0.5f, scratch, shellsAt(0.5f));
    }
}

}  // namespace veltro
