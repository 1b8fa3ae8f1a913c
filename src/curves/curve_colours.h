#pragma once

#include "curves/curve_method.h"
#include "geometry/colour.h"

namespace veltro {

// The colour of everything the pipeline draws.
inline const Colour kControlPolygonColour{155.0f, 155.0f, 155.0f, 255.0f};
inline const Colour kNestedLinearColour{75.0f, 95.0f, 212.0f, 255.0f};
inline const Colour kShellColour{7.0f, 44.0f, 45.0f, 255.0f};
inline const Colour kSliderMarkerColour{255.0f, 80.0f, 72.0f, 255.0f};
inline const Colour kMidpointFirstPassColour{155.0f, 15.0f, 25.0f, 255.0f};
inline const Colour kMidpointSecondPassColour{255.0f, 15.0f, 25.0f, 255.0f};
inline const Colour kBernsteinColour{75.0f, 233.0f, 55.0f, 255.0f};
inline const Colour kParametricPolynomialColour{5.0f, 233.0f, 255.0f, 255.0f};
inline const Colour kInterpolatingSplineColour{5.0f, 100.0f, 100.0f, 8.0f};
inline const Colour kBSplineColour{75.0f, 95.0f, 212.0f, 255.0f};
inline const Colour kControlPointColour{255.0f, 199.0f, 204.0f, 255.0f};

// The colour a method's curve is drawn in; for midpoint subdivision, that
// of the second pass, which is the curve.
inline Colour curveColour(CurveMethod method) {
    switch (method) {
        case CurveMethod::NestedLinear:
            return kNestedLinearColour;
        case CurveMethod::Bernstein:
            return kBernsteinColour;
        case CurveMethod::Midpoint:
            return kMidpointSecondPassColour;
        case CurveMethod::ParametricPolynomial:
            return kParametricPolynomialColour;
        case CurveMethod::InterpolatingSpline:
            return kInterpolatingSplineColour;
        case CurveMethod::BSpline:
            return kBSplineColour;
    }
    return kControlPolygonColour;
}

}  // namespace veltro
