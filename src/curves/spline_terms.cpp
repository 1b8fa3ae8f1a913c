#include "curves/spline_terms.h"

#include "curves/powers.h"

namespace veltro {

void buildSplineBasis(SplineTerms& terms, std::size_t pointCount) {
    terms.clear();
    terms.reserve(pointCount + 2);
    for (int exponent = 0; exponent <= 3; ++exponent) {
        SplineTerm term;
        term.isConstant = exponent == 0;
        term.exponent = exponent;
        terms.push_back(term);
    }
    for (std::size_t knot = 1; knot + 1 < pointCount; ++knot) {
        SplineTerm term;
        term.isPlainPower = false;
        term.exponent = 3;
        term.knot = static_cast<int>(knot);
        terms.push_back(term);
    }
}

void differentiate(SplineTerm& term) {
    if (term.isConstant) {
        term.intCoefficient = 0;
        return;
    }
    term.intCoefficient *= term.exponent;
    term.exponent -= 1;
    if (term.exponent == 0) {
        term.isConstant = true;
    }
}

std::int64_t valueAtInt(const SplineTerm& term, std::int64_t k) {
    if (term.isConstant) {
        return term.intCoefficient;
    }
    if (!term.isPlainPower) {
        if (term.knot >= k) {
            return 0;
        }
        k -= term.knot;
    }
    return multiplySaturating(powerInt(k, term.exponent), term.intCoefficient);
}

}  // namespace veltro
