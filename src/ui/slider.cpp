#include "ui/slider.h"

#include <array>
#include <cstdio>

#include "curves/knots.h"

namespace veltro {

namespace {

constexpr float kSliderStep = 0.01f;

void stepNestedLinear(EditorState& state, int direction) {
    state.sliderT = state.sliderT + static_cast<float>(direction) * kSliderStep;
    state.redrawRequested = true;
    if (direction > 0 && !(state.sliderT < 1.0f)) {
        state.sliderT = 1.0f;
    } else if (direction < 0 && !(state.sliderT > 0.0f)) {
        state.sliderT = 0.0f;
    }
}

void stepBSpline(EditorState& state, Shell& shell, int direction) {
    state.sliderT = state.sliderT + static_cast<float>(direction) * kSliderStep;
    state.redrawRequested = true;
    const KnotSequence& knots = state.workingKnots;
    const KnotDomain domain = knotDomainIndices(knots.size(), state.bsplineDegree);
    // The knots normally match the points and degree, since every change
    // is drawn before the next key arrives; when they do not, step unclamped
    // rather than read past the list.
    if (knotIndexValid(domain.lo, knots.size()) && knotIndexValid(domain.hi, knots.size())) {
        const auto upper = static_cast<float>(knots[static_cast<std::size_t>(domain.hi)]);
        const auto lower = static_cast<float>(knots[static_cast<std::size_t>(domain.lo)]);
        if (upper <= state.sliderT) {
            state.sliderT = upper;
        }
        // Applied second, so when the bounds cross the lower one wins.
        if (lower >= state.sliderT) {
            state.sliderT = lower;
        }
    }
    shell.setTitle(sliderTitle(state.sliderT));
}

}  // namespace

std::string sliderTitle(float t) {
    // Wide enough for any finite float in fixed notation.
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "t = %.2f", static_cast<double>(t));
    return buffer.data();
}

bool sliderSteps(const EditorState& state) {
    if (!state.sliderOn) {
        return false;
    }
    switch (state.method) {
        case CurveMethod::NestedLinear:
            return true;
        case CurveMethod::BSpline:
            return state.controlPoints.size() > 2;
        case CurveMethod::Bernstein:
        case CurveMethod::Midpoint:
        case CurveMethod::ParametricPolynomial:
        case CurveMethod::InterpolatingSpline:
            return false;
    }
    return false;
}

void stepSlider(EditorState& state, Shell& shell, int direction) {
    if (!sliderSteps(state)) {
        return;
    }
    if (state.method == CurveMethod::BSpline) {
        stepBSpline(state, shell, direction);
    } else {
        stepNestedLinear(state, direction);
    }
}

}  // namespace veltro
