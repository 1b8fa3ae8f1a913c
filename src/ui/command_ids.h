#pragma once

#include <array>

namespace veltro::command {

inline constexpr int kAbout = 40009;
inline constexpr int kMakePoints = 40016;
inline constexpr int kMovePoints = 40023;
inline constexpr int kClearPoints = 40024;
inline constexpr int kNestedLinear = 40028;
inline constexpr int kBernstein = 40030;
inline constexpr int kMidpoint = 40031;
inline constexpr int kSliderOn = 40036;
inline constexpr int kSliderOff = 40037;
inline constexpr int kShellsOn = 40038;
inline constexpr int kShellsOff = 40039;
inline constexpr int kParametricPolynomial = 40041;
inline constexpr int kInterpolatingSpline = 40043;
inline constexpr int kBSpline = 40045;
inline constexpr int kContinuityOn = 40050;
inline constexpr int kContinuityOff = 40051;
inline constexpr int kBSplineSetup = 40053;

// Every command, by ascending id.
inline constexpr std::array kAll{
    kAbout,
    kMakePoints,
    kMovePoints,
    kClearPoints,
    kNestedLinear,
    kBernstein,
    kMidpoint,
    kSliderOn,
    kSliderOff,
    kShellsOn,
    kShellsOff,
    kParametricPolynomial,
    kInterpolatingSpline,
    kBSpline,
    kContinuityOn,
    kContinuityOff,
    kBSplineSetup,
};

}  // namespace veltro::command
