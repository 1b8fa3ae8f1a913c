#pragma once

#include <cstddef>
#include <string_view>

namespace veltro {

// The curve drawn over the control points; exactly one at a time.
enum class CurveMethod {
    NestedLinear,
    Bernstein,
    Midpoint,
    ParametricPolynomial,
    InterpolatingSpline,
    BSpline,
};

inline constexpr std::size_t kCurveMethodCount = static_cast<std::size_t>(CurveMethod::BSpline) + 1;

// The method's name in the JSON reports (--state, --inspect), e.g.
// "useBSpline": the names the state report has always carried, which
// scripts compare against.
constexpr std::string_view curveMethodReportName(CurveMethod method) {
    switch (method) {
        case CurveMethod::NestedLinear:
            return "useNestedLinear";
        case CurveMethod::Bernstein:
            return "useBernstein";
        case CurveMethod::Midpoint:
            return "useMidpoint";
        case CurveMethod::ParametricPolynomial:
            return "useParametricPolynomial";
        case CurveMethod::InterpolatingSpline:
            return "useInterpolatingSpline";
        case CurveMethod::BSpline:
            return "useBSpline";
    }
    return "none";
}

}  // namespace veltro
