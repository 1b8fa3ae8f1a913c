#include "curves/update_scene.h"

#include "curves/bernstein.h"
#include "curves/bspline.h"
#include "curves/curve_colours.h"
#include "curves/interpolating_spline.h"
#include "curves/midpoint_subdivision.h"
#include "curves/nested_linear.h"
#include "curves/parametric_polynomial.h"
#include "curves/polyline.h"

namespace veltro {

namespace {

// The control polygon and the chosen curve, from scratch.
void rebuildSegments(SceneState& state, FrameBuffer& frame) {
    state.sliderMarkers.clear();
    state.segmentList.clear();
    state.workPolyline.clear();
    state.casteljauLevels.clear();
    for (const ControlPoint& p : state.controlPoints) {
        state.workPolyline.push_back(p.centre);
    }
    appendPolyline(state.segmentList, state.workPolyline, kControlPolygonColour);

    switch (state.method) {
        case CurveMethod::NestedLinear:
            drawNestedLinear(state, frame);
            break;
        case CurveMethod::Midpoint:
            drawMidpointSubdivision(state);
            break;
        case CurveMethod::Bernstein:
            drawBernstein(state);
            break;
        case CurveMethod::ParametricPolynomial:
            drawParametricPolynomial(state);
            break;
        case CurveMethod::InterpolatingSpline:
            drawInterpolatingSpline(state);
            break;
        case CurveMethod::BSpline:
            if (state.controlPoints.size() >= 3) {
                drawBSpline(state, frame);
            }
            break;
    }
}

}  // namespace

void updateScene(SceneState& state, FrameBuffer& frame) {
    // With fewer than two points the segments of the last frame stay as
    // they are.
    if (state.controlPoints.size() >= 2) {
        rebuildSegments(state, frame);
    }
    state.markerColour = kControlPointColour;
    for (const ControlPoint& p : state.controlPoints) {
        p.draw(frame, state.markerColour);
    }
    for (const LineSegment& s : state.segmentList) {
        s.drawBresenham(frame);
    }
    state.redrawRequested = false;
}

}  // namespace veltro
