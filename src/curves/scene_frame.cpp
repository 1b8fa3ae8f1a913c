#include "curves/scene_frame.h"

#include <utility>

#include "curves/bernstein.h"
#include "curves/bspline.h"
#include "curves/curve_colours.h"
#include "curves/interpolating_spline.h"
#include "curves/knots.h"
#include "curves/midpoint_subdivision.h"
#include "curves/nested_linear.h"
#include "curves/parametric_polynomial.h"

namespace veltro {

namespace {

// Appends the chosen curve to `frame`: its slider marker after the discs
// there, its polylines after the control polygon.
void addChosenCurve(const SceneState& state, const std::vector<Point2>& polygon,
                    FrameReport& frame) {
    const SliderAndShells options{state.sliderOn, state.sliderT, state.shellsOn};
    switch (state.method) {
        case CurveMethod::NestedLinear:
            addNestedLinearCurve(polygon, options, frame);
            return;
        case CurveMethod::Midpoint:
            addMidpointSubdivisionCurve(polygon, state.shellsOn, frame);
            return;
        case CurveMethod::Bernstein:
            frame.polylines.push_back(bernsteinCurve(polygon));
            break;
        case CurveMethod::ParametricPolynomial:
            frame.polylines.push_back(parametricPolynomialCurve(polygon));
            break;
        case CurveMethod::InterpolatingSpline:
            frame.polylines.push_back(interpolatingSplineCurve(polygon));
            break;
        case CurveMethod::BSpline:
            if (polygon.size() >= 3) {
                addBSplineCurve(polygon, state.bsplineDegree, state.workingKnots, options, frame);
            }
            return;
    }
    // A polyline too short to draw is not kept.
    if (frame.polylines.back().points.size() < 2) {
        frame.polylines.pop_back();
    }
}

}  // namespace

void prepareFrameKnots(SceneState& state) {
    const std::size_t n = state.controlPoints.size();
    if (state.method == CurveMethod::BSpline && n >= 3) {
        seedEnteredKnots(state.knotSequence, n, state.continuityOn);
        state.workingKnots =
            effectiveKnots(state.knotSequence, n, state.bsplineDegree, state.continuityOn);
    }
}

void composeFrame(const SceneState& state, FrameReport& frame) {
    frame.recycle();
    // With fewer than two points there is no curve, and no earlier one to
    // keep either, however the others went.
    if (state.controlPoints.size() >= 2) {
        std::vector<Point2> polygon;
        polygon.reserve(state.controlPoints.size());
        for (const ControlPoint& p : state.controlPoints) {
            polygon.push_back(p.centre);
        }
        std::vector<Point2> shown = frame.takePoints();
        shown.assign(polygon.begin(), polygon.end());
        frame.addPolyline(kControlPolygonColour, std::move(shown), PolylineRole::Polygon);
        addChosenCurve(state, polygon, frame);
    }
    frame.discs.reserve(frame.discs.size() + state.controlPoints.size());
    for (const ControlPoint& p : state.controlPoints) {
        frame.discs.push_back(Disc{p.centre, p.radius, kControlPointColour, DiscRole::Point});
    }
}

FrameReport composeFrame(const SceneState& state) {
    FrameReport frame;
    composeFrame(state, frame);
    return frame;
}

}  // namespace veltro
