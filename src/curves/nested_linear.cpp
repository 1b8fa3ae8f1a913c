#include "curves/nested_linear.h"

#include "curves/curve_colours.h"
#include "curves/parameter_walk.h"
#include "curves/polyline.h"
#include "curves/slider_marker.h"
#include "geometry/control_point.h"

namespace veltro {

bool shellRuleHolds(const SceneState& state, float t) {
    return state.shellsOn && state.method == CurveMethod::NestedLinear && t == state.sliderT;
}

Point2 evaluateNested(SceneState& state, float t) {
    const bool shells = shellRuleHolds(state, t);
    std::vector<std::vector<Point2>>& levels = state.casteljauLevels;
    levels.push_back(state.workPolyline);
    while (levels.back().size() >= 2) {
        const std::vector<Point2>& last = levels.back();
        std::vector<Point2> next;
        next.reserve(last.size() - 1);
        for (std::size_t j = 0; j + 1 < last.size(); ++j) {
            next.push_back(lerp(last[j], last[j + 1], t));
        }
        levels.push_back(std::move(next));
        if (shells) {
            appendPolyline(state.segmentList, levels.back(), kShellColour);
        }
    }
    return levels.back().empty() ? Point2() : levels.back().front();
}

Point2 nestedPoint(const std::vector<Point2>& polygon, float t, CasteljauScratch& scratch,
                   std::vector<LineSegment>* shells) {
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

void drawNestedLinear(SceneState& state, FrameBuffer& frame) {
    const std::vector<Point2>& polygon = state.workPolyline;
    CasteljauScratch scratch;
    std::vector<Point2> samples;
    samples.reserve(52);
    const auto sample = [&](float t) {
        std::vector<LineSegment>* shells = shellRuleHolds(state, t) ? &state.segmentList : nullptr;
        samples.push_back(nestedPoint(polygon, t, scratch, shells));
    };
    walkParameter(0.0f, 1.0f, kMaxCurveSamples, sample);
    // The float walk stops a hair short of 1; the last sample closes the gap.
    sample(1.0f);
    state.casteljauLevels.clear();
    appendPolyline(state.segmentList, samples, kNestedLinearColour);

    if (state.sliderOn) {
        const float t = state.sliderT;
        std::vector<LineSegment>* shells = shellRuleHolds(state, t) ? &state.segmentList : nullptr;
        const Point2 p = nestedPoint(polygon, t, scratch, shells);
        state.sliderMarkers.emplace_back(p, ControlPoint::kRadius);
        state.workPolyline.clear();
        state.casteljauLevels.clear();
        paintSliderMarker(state, state.sliderMarkers.front(), frame);
    } else if (state.shellsOn) {
        // Without the slider sliderT holds 0.5, so this draws the shells there
        // and leaves their levels for whoever inspects the frame.
        state.casteljauLevels.clear();
        evaluateNested(state, 0.5f);
    }
}

}  // namespace veltro
