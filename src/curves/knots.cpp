#include "curves/knots.h"

#include <algorithm>
#include <limits>

namespace veltro {

namespace {

// One more than v, held at the top of the 32-bit range instead of wrapping.
std::int32_t nextKnot(std::int32_t v) {
    return v == std::numeric_limits<std::int32_t>::max() ? v : v + 1;
}

std::int32_t saturated(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void fitToLength(KnotSequence& knots, std::size_t length) {
    if (knots.size() > length) {
        knots.resize(length);
    }
    knots.reserve(length);
    while (knots.size() < length) {
        knots.push_back(knots.empty() ? 0 : nextKnot(knots.back()));
    }
}

// d zeros, 0, 1, ..., top, then d copies of top, stopping at `length`
// entries: for a degree below the point count exactly the clamped uniform
// vector.
void appendClamped(KnotSequence& knots, std::size_t d, std::int64_t top, std::size_t length) {
    for (std::size_t i = 0; i < d && knots.size() < length; ++i) {
        knots.push_back(0);
    }
    for (std::int64_t v = 0; v <= top && knots.size() < length; ++v) {
        knots.push_back(saturated(v));
    }
    for (std::size_t i = 0; i < d && knots.size() < length; ++i) {
        knots.push_back(saturated(top));
    }
}

}  // namespace

KnotSequence effectiveKnots(const KnotSequence& entered, std::size_t pointCount,
                            std::int32_t degree, bool continuityOn) {
    const std::size_t d = degree > 0 ? static_cast<std::size_t>(degree) : 0;
    std::size_t length = pointCount + d + 1;
    if (d >= pointCount) {
        length = std::min(length, kMaxKnotsWithoutCurve);
    }
    KnotSequence knots;
    if (continuityOn && pointCount >= 3) {
        const std::int64_t top =
            static_cast<std::int64_t>(pointCount) - static_cast<std::int64_t>(d);
        appendClamped(knots, d, top, length);
    } else if (!continuityOn) {
        // With continuity on and fewer points the entered list is dropped;
        // either way an empty start pads from 0, as a seeded single 0 does.
        knots.assign(entered.begin(), entered.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(entered.size(), length)));
    }
    // Keeps the length every caller relies on whatever the degree.
    fitToLength(knots, length);
    return knots;
}

void seedEnteredKnots(KnotSequence& entered, std::size_t pointCount, bool continuityOn) {
    if (continuityOn && pointCount >= 3) {
        return;
    }
    if (continuityOn) {
        entered.clear();
        entered.shrink_to_fit();
    }
    if (entered.empty()) {
        entered.push_back(0);
    }
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
