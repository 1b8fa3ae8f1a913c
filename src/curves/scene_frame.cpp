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

// A curve that is one polyline and nothing else.
FrameReport onlyPolyline(Polyline line) {
    FrameReport curve;
    appendPolyline(curve.polylines, std::move(line));
    return curve;
}

FrameReport chosenCurve(const SceneState& state, const std::vector<Point2>& polygon) {
    const SliderAndShells options{state.sliderOn, state.sliderT, state.shellsOn};
    switch (state.method) {
        case CurveMethod::NestedLinear:
            return nestedLinearCurve(polygon, options);
        case CurveMethod::Midpoint:
            return midpointSubdivisionCurve(polygon, state.shellsOn);
        case CurveMethod::Bernstein:
            return onlyPolyline(bernsteinCurve(polygon));
        case CurveMethod::ParametricPolynomial:
            return onlyPolyline(parametricPolynomialCurve(polygon));
        case CurveMethod::InterpolatingSpline:
            return onlyPolyline(interpolatingSplineCurve(polygon));
        case CurveMethod::BSpline:
            if (polygon.size() >= 3) {
                return bsplineCurve(polygon, state.bsplineDegree, state.workingKnots, options);
            }
            break;
    }
    return {};
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

FrameReport composeFrame(const SceneState& state) {
    FrameReport frame;
    // With fewer than two points there is no curve, and no earlier one to
    // keep either, however the others went.
    if (state.controlPoints.size() >= 2) {
        std::vector<Point2> polygon;
        polygon.reserve(state.controlPoints.size());
        for (const ControlPoint& p : state.controlPoints) {
            polygon.push_back(p.centre);
        }
        FrameReport curve = chosenCurve(state, polygon);
        frame.discs = std::move(curve.discs);
        frame.addPolyline(kControlPolygonColour, std::move(polygon), PolylineRole::Polygon);
        for (Polyline& line : curve.polylines) {
            frame.polylines.push_back(std::move(line));
        }
    }
    frame.discs.reserve(frame.discs.size() + state.controlPoints.size());
    for (const ControlPoint& p : state.controlPoints) {
        frame.discs.push_back(Disc{p.centre, p.radius, kControlPointColour, DiscRole::Point});
    }
    return frame;
}

}  // namespace veltro
