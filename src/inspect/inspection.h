#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "curves/curve_method.h"
#include "curves/scene_state.h"

namespace veltro {

// A position or a sample (u, w) in double. A coordinate that cannot be
// computed stably is NaN, never a number that merely looks like one; the
// JSON writes it as null.
struct InspectionPoint {
    double x = 0.0;
    double y = 0.0;
};

// The t the numbers belong to and the method's domain [a, b].
struct InspectionParameter {
    double t = 0.0;
    double domainStart = 0.0;
    double domainEnd = 0.0;
};

// Every weight function sampled over the whole domain, each a polyline of
// (u, w(u)) at the same `samples` parameters from a to b, and the knots to
// draw under them. `thinned`: fewer samples than kBasisSamples, so that all
// curves together stay within kMaxBasisValues.
struct BasisCurves {
    std::size_t samples = 0;
    bool thinned = false;
    std::vector<std::vector<InspectionPoint>> curves;
    std::vector<double> knots;
};

// A run of equal knots in the working vector: the knot and how often it
// repeats.
struct KnotMultiplicity {
    std::int32_t knot = 0;
    std::int64_t multiplicity = 0;
};

struct BSplineNumbers {
    std::int64_t degree = 0;
    std::vector<std::int32_t> knots;
    // The knot interval [knots[span], knots[span + 1]) de Boor's steps run
    // in; none where the method draws no curve.
    std::optional<std::int64_t> span;
    std::vector<KnotMultiplicity> multiplicities;
};

// The Newton coefficients f[0], f[0, 1], ..., f[0, ..., N - 1] of each
// coordinate over the nodes 0, 1, ..., N - 1.
struct NewtonNumbers {
    std::vector<double> x;
    std::vector<double> y;
};

// The natural spline in the truncated power basis: `terms` names the basis
// functions ("1", "t", "t^3", then "(t-k)^3+" for the inner knots
// k = 1 ... N - 2; the t^2 term is zero in a natural spline), `x` and `y`
// their factors.
struct SplineNumbers {
    std::vector<std::string> terms;
    std::vector<double> x;
    std::vector<double> y;
};

// The two halves of the first split at 0.5: the polygons midpoint
// subdivision refines again.
struct MidpointNumbers {
    std::vector<InspectionPoint> left;
    std::vector<InspectionPoint> right;
};

// The numbers behind the chosen curve at one parameter: C(t) = sum w(i) P(i)
// with sum w(i) = 1, the construction's intermediate points and the
// method's own numbers. Empty `weights` and `levels`, no curvePoint and no
// basisCurves where the method draws no curve.
struct Inspection {
    CurveMethod method = CurveMethod::NestedLinear;
    std::vector<InspectionPoint> points;
    InspectionParameter parameter;
    std::optional<InspectionPoint> curvePoint;
    std::vector<double> weights;
    // De Casteljau's levels (level 0 the points, the last C(t)), or de
    // Boor's over the span; empty for the methods without them, none when
    // the triangle would hold more than kMaxLevelPoints points.
    std::optional<std::vector<std::vector<InspectionPoint>>> levels;
    std::optional<BasisCurves> basisCurves;
    std::optional<BSplineNumbers> bspline;
    std::optional<NewtonNumbers> newton;
    std::optional<SplineNumbers> spline;
    std::optional<MidpointNumbers> midpoint;
};

// The most points a levels triangle is given with: 255 points for de
// Casteljau, degree 254 for de Boor.
inline constexpr std::size_t kMaxLevelPoints = 32768;
// Samples per basis curve, and the most samples of all curves together.
inline constexpr std::size_t kBasisSamples = 201;
inline constexpr std::size_t kMaxBasisValues = 65536;
// Fewer samples than this show no shape: the basis curves are left out.
inline constexpr std::size_t kMinBasisSamples = 17;

// The inspection of the scene's chosen method. Nested linear interpolation
// and the B-spline are inspected at the slider's t, the other methods at
// `inspectionT`, or without one in the middle of the domain; either is
// clamped into the domain. Pure: reads the scene, changes nothing.
Inspection inspect(const SceneState& scene, std::optional<double> inspectionT);

}  // namespace veltro
