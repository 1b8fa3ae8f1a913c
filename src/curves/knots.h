#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltro {

using KnotSequence = std::vector<std::int32_t>;

// A degree of the point count or more draws no curve; its knot vector is cut
// at this many entries, so that a typed degree of two billion costs no more
// than a few kilobytes.
inline constexpr std::size_t kMaxKnotsWithoutCurve = 4096;

// The B-spline's knot vector for `pointCount` points of the given degree:
// the clamped uniform vector when continuity is on and there are three points
// or more, otherwise the entered knots padded upwards in steps of one or cut
// to length pointCount + degree + 1 (at most kMaxKnotsWithoutCurve when the
// degree is pointCount or more).
KnotSequence effectiveKnots(const KnotSequence& entered, std::size_t pointCount,
                            std::int32_t degree, bool continuityOn);

// What building the knots does to the entered list, which the dialog later
// shows: unless continuity is on with three points or more, an empty list
// gets a single 0, and with continuity on and fewer points the list is
// emptied first.
void seedEnteredKnots(KnotSequence& entered, std::size_t pointCount, bool continuityOn);

// The indices of the first and last knot of the parameter domain of a knot
// list of `knotCount` entries: lo = degree, hi = knotCount - degree - 1.
// Either may lie outside the list; callers check before they read.
struct KnotDomain {
    std::int64_t lo;
    std::int64_t hi;
};
KnotDomain knotDomainIndices(std::size_t knotCount, std::int32_t degree);

// True when index i addresses an entry of a list of `count` entries.
inline bool knotIndexValid(std::int64_t i, std::size_t count) {
    return i >= 0 && static_cast<std::uint64_t>(i) < count;
}

// The first i (0 .. size - 2) with knot(i) <= t < knot(i + 1), the knots
// compared as floats; -1 when there is none.
std::int64_t findSpan(const KnotSequence& knots, float t);

}  // namespace veltro
