#include "inspect/inspection.h"

#include <cmath>

#include "inspect/basis_curves.h"
#include "inspect/bezier_inspection.h"
#include "inspect/bspline_inspection.h"
#include "inspect/polynomial_inspection.h"
#include "inspect/spline_inspection.h"

namespace veltro {

namespace {

// Points are only ever removed all at once; with fewer than two the frame
// draws no curve for any method.
constexpr std::size_t kFewestCurvePoints = 2;

double clampedInto(double t, double a, double b) {
    if (!std::isfinite(t)) {
        return a + (b - a) * 0.5;
    }
    return t < a ? a : (t > b ? b : t);
}

// The t of a method without the slider: the one set for the inspection, or
// the middle of the domain.
void chooseParameter(Inspection& inspection, std::optional<double> inspectionT) {
    InspectionParameter& p = inspection.parameter;
    const double middle = p.domainStart + (p.domainEnd - p.domainStart) * 0.5;
    p.t = clampedInto(inspectionT.value_or(middle), p.domainStart, p.domainEnd);
}

void inspectBezierFamily(const SceneState& scene, std::optional<double> inspectionT,
                         Inspection& inspection) {
    inspection.parameter.domainStart = 0.0;
    inspection.parameter.domainEnd = 1.0;
    if (scene.method == CurveMethod::NestedLinear) {
        inspection.parameter.t = clampedInto(static_cast<double>(scene.sliderT), 0.0, 1.0);
    } else {
        chooseParameter(inspection, inspectionT);
    }
    const std::size_t n = inspection.points.size();
    if (n < kFewestCurvePoints) {
        return;
    }
    inspectBezier(inspection);
    inspection.basisCurves =
        sampleBasisCurves(n, 0.0, 1.0, n, [n](double u) { return bernsteinWeightsFast(n, u); });
    if (scene.method == CurveMethod::Midpoint) {
        inspection.midpoint = firstSplit(inspection.points);
    }
}

// The polynomial and the spline: nodes 0 ... N - 1, which are also the
// knots under their basis curves.
void inspectThroughPoints(const SceneState& scene, std::optional<double> inspectionT,
                          Inspection& inspection) {
    const std::size_t n = inspection.points.size();
    inspection.parameter.domainStart = 0.0;
    inspection.parameter.domainEnd = n > 1 ? static_cast<double>(n - 1) : 0.0;
    chooseParameter(inspection, inspectionT);
    if (n < kFewestCurvePoints) {
        return;
    }
    const bool polynomial = scene.method == CurveMethod::ParametricPolynomial;
    if (polynomial) {
        inspectPolynomial(inspection);
    } else {
        inspectSpline(inspection);
    }
    inspection.basisCurves = sampleBasisCurves(
        n, 0.0, inspection.parameter.domainEnd, n,
        [&](double u) { return polynomial ? lagrangeWeights(n, u) : splineWeights(n, u); });
    if (inspection.basisCurves) {
        for (std::size_t k = 0; k < n; ++k) {
            inspection.basisCurves->knots.push_back(static_cast<double>(k));
        }
    }
}

}  // namespace

Inspection inspect(const SceneState& scene, std::optional<double> inspectionT) {
    Inspection inspection;
    inspection.method = scene.method;
    inspection.levels.emplace();
    inspection.points.reserve(scene.controlPoints.size());
    for (const ControlPoint& p : scene.controlPoints) {
        inspection.points.push_back(
            InspectionPoint{static_cast<double>(p.centre.x), static_cast<double>(p.centre.y)});
    }
    switch (scene.method) {
        case CurveMethod::NestedLinear:
        case CurveMethod::Bernstein:
        case CurveMethod::Midpoint:
            inspectBezierFamily(scene, inspectionT, inspection);
            break;
        case CurveMethod::ParametricPolynomial:
        case CurveMethod::InterpolatingSpline:
            inspectThroughPoints(scene, inspectionT, inspection);
            break;
        case CurveMethod::BSpline:
            inspectBSpline(scene, inspection);
            break;
    }
    if (inspection.curvePoint &&
        !(std::isfinite(inspection.curvePoint->x) && std::isfinite(inspection.curvePoint->y))) {
        inspection.curvePoint.reset();
    }
    return inspection;
}

}  // namespace veltro
