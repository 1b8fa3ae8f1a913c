#include "curves/knots.h"

#include <limits>

namespace veltro {

namespace {

// One more than v, held at the top of the 32-bit range instead of wrapping.
std::int32_t nextKnot(std::int32_t v) {
    return v == std::numeric_limits<std::int32_t>::max() ? v : v + 1;
}

void fitToLength(KnotSequence& knots, std::size_t length) {
    if (knots.size() > length) {
        knots.resize(length);
    }
    while (knots.size() < length) {
        knots.push_back(nextKnot(knots.back()));
    }
}

}  // namespace

void prepareKnots(KnotSequence& knotSequence, KnotSequence& workingKnots, std::size_t pointCount,
                  std::int32_t degree, bool continuityOn) {
    const std::size_t d = degree > 0 ? static_cast<std::size_t>(degree) : 0;
    const std::size_t length = pointCount + d + 1;
    if (continuityOn && pointCount >= 3) {
        const std::int64_t top = static_cast<std::int64_t>(pointCount) - degree;
        workingKnots.assign(d, 0);
        for (std::int64_t v = 0; v <= top; ++v) {
            workingKnots.push_back(static_cast<std::int32_t>(v));
        }
        workingKnots.insert(workingKnots.end(), d, static_cast<std::int32_t>(top));
        // With a degree above the point count the clamped vector comes out
        // longer than the curve needs; keep the length every caller relies on.
        fitToLength(workingKnots, length);
        return;
    }
    if (continuityOn) {
        knotSequence.clear();
        knotSequence.shrink_to_fit();
    }
    if (knotSequence.empty()) {
        knotSequence.push_back(0);
    }
    workingKnots = knotSequence;
    fitToLength(workingKnots, length);
}

KnotDomain knotDomainIndices(std::size_t knotCount, std::int32_t degree) {
    return {degree, static_cast<std::int64_t>(knotCount) - degree - 1};
}

std::int64_t findSpan(const KnotSequence& knots, float t) {
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        if (static_cast<float>(knots[i]) <= t && t < static_cast<float>(knots[i + 1])) {
            return static_cast<std::int64_t>(i);
        }
    }
    return -1;
}

}  // namespace veltro
