#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "curves/powers.h"

namespace veltro {

// One function of the truncated power basis together with its factor.
struct SplineTerm {
    // The term is a constant; its value is its factor.
    bool isConstant = false;
    // t^exponent; otherwise (t - knot)^exponent where t > knot, 0 elsewhere.
    bool isPlainPower = true;
    int exponent = 0;
    // The factor while the system is built (differentiation multiplies it).
    int intCoefficient = 1;
    int knot = 0;
    // The factor of the solved spline.
    float coefficient = 0.0f;
};

using SplineTerms = std::vector<SplineTerm>;

// The basis for `pointCount` points: 1, t, t^2, t^3, then the truncated
// cubics at the inner knots 1, ..., pointCount - 2, in that order (so the
// truncated terms come in increasing knot order).
void buildSplineBasis(SplineTerms& terms, std::size_t pointCount);

// One differentiation in place: a constant's factor becomes 0; otherwise the
// factor is multiplied by the exponent, the exponent drops by one, and a term
// left with exponent 0 becomes a constant.
void differentiate(SplineTerm& term);

// The term at the integer k with intCoefficient as its factor, exact in 64
// bits (the cube of an index overflows 32 bits from 1291 on).
std::int64_t valueAtInt(const SplineTerm& term, std::int64_t k);

// True for a truncated term that is zero at t (t at or left of its knot).
inline bool vanishesAt(const SplineTerm& term, float t) {
    return !term.isConstant && !term.isPlainPower &&
           static_cast<double>(t) <= static_cast<double>(term.knot);
}

// A term that is neither constant nor vanishing at t, before its factor: the
// power of t, or of t - knot rounded to float, formed in double.
inline double powerAt(const SplineTerm& term, float t) {
    if (term.isPlainPower) {
        return powerFloat(t, term.exponent);
    }
    const float shifted =
        static_cast<float>(static_cast<double>(t) - static_cast<double>(term.knot));
    return powerFloat(shifted, term.exponent);
}

}  // namespace veltro
