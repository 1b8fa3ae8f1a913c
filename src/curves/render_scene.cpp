#include "curves/render_scene.h"

#include "curves/bernstein.h"
#include "curves/bspline.h"
#include "curves/curve_colours.h"
#include "curves/interpolating_spline.h"
#include "curves/midpoint_subdivision.h"
#include "curves/nested_linear.h"
#include "curves/parametric_polynomial.h"
#include "raster/disc.h"
#include "raster/rasterize.h"

namespace veltro {

namespace {

void drawCurve(const SceneState& state, FrameBuffer& frame, FrameReport& report) {
    std::vector<Point2> polygon;
    polygon.reserve(state.controlPoints.size());
    for (const ControlPoint& p : state.controlPoints) {
        polygon.push_back(p.centre);
    }
    report.addPolyline(polygon, kControlPolygonColour);

    switch (state.method) {
        case CurveMethod::NestedLinear:
            drawNestedLinear(state, polygon, frame, report);
            break;
        case CurveMethod::Midpoint:
            drawMidpointSubdivision(state, polygon, report);
            break;
        case CurveMethod::Bernstein:
            drawBernstein(polygon, report);
            break;
        case CurveMethod::ParametricPolynomial:
            drawParametricPolynomial(polygon, report);
            break;
        case CurveMethod::InterpolatingSpline:
            drawInterpolatingSpline(polygon, report);
            break;
        case CurveMethod::BSpline:
            if (state.controlPoints.size() >= 3) {
                drawBSpline(state, frame, report);
            }
            break;
    }
}

}  // namespace

void renderScene(const SceneState& state, FrameBuffer& frame, FrameReport& report) {
    report.clear();
    // Points are only ever removed all at once, so with fewer than two there
    // is no curve, and no earlier one to keep either.
    if (state.controlPoints.size() >= 2) {
        drawCurve(state, frame, report);
    }
    report.discs.reserve(report.discs.size() + state.controlPoints.size());
    for (const ControlPoint& p : state.controlPoints) {
        raster::drawDisc(frame, p.centre, p.radius, kControlPointColour);
        report.discs.push_back(DrawnDisc{p, kControlPointColour});
    }
    for (const LineSegment& s : report.segments) {
        raster::drawBresenham(frame, s);
    }
}

}  // namespace veltro
