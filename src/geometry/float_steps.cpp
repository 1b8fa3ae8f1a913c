#include "geometry/float_steps.h"

#include <algorithm>
#include <cmath>

#include "geometry/float_to_int.h"

namespace veltro {

namespace {

// The stretch of the number line around a nonzero float on which every float
// is a multiple of one spacing: its binade, ends included.
struct UniformGrid {
    double lo;
    double hi;
    double spacing;

    // Whether v + s (as a real number) lands at least one spacing inside the
    // stretch. Then the float sum is v + s rounded to a multiple of the
    // spacing. The margin also absorbs the rounding of the double sum, which
    // is far finer than the spacing.
    bool keepsInside(double v, double s) const {
        const double w = v + s;
        return w >= lo + spacing && w <= hi - spacing;
    }
};

UniformGrid gridAround(float v) {
    const int exponent = std::ilogb(v);
    const double low = std::ldexp(1.0, exponent);
    const double spacing = std::ldexp(1.0, std::max(exponent - 23, -149));
    if (v > 0.0f) {
        return {low, 2.0 * low, spacing};
    }
    return {-2.0 * low, -low, spacing};
}

}  // namespace

// Inside one uniform stretch with spacing u, v = m * u and v + s rounds to
// (m + round(s / u)) * u: the increment is the same for every step, except
// when s / u is exactly a half, where ties go to the even multiple. Once one
// step inside the stretch has rounded (so m is even), the increment is fixed
// for the remaining steps inside it as well. So two steps taken one by one
// fix the increment, and the rest of the stretch is crossed in one jump.
float addRepeatedly(float x, float s, std::uint64_t count) {
    while (count > 0) {
        const float a = x;
        const float b = a + s;
        --count;
        if (b == a) {
            return a;  // every further step gives the same value
        }
        if (std::isnan(b) || count == 0) {
            return b;
        }
        if (a == 0.0f || std::isinf(a)) {
            x = b;
            continue;
        }
        const UniformGrid grid = gridAround(a);
        if (!grid.keepsInside(a, s)) {
            x = b;
            continue;
        }
        const float c = b + s;
        --count;
        if (c == b) {
            return b;
        }
        if (count == 0 || !grid.keepsInside(b, s)) {
            x = c;
            continue;
        }
        const double delta = static_cast<double>(c) - static_cast<double>(b);
        // Steps from c: the step from c + i * delta stays on the grid while
        // (c + i * delta) + s keeps inside, for i = 0 .. jumps - 1.
        const double bound = s > 0.0f ? grid.hi - grid.spacing : grid.lo + grid.spacing;
        const double room = (bound - static_cast<double>(s) - static_cast<double>(c)) / delta;
        std::uint64_t jumps = 0;
        if (room >= 0.0) {
            // room < 2^25 here: a stretch holds at most 2^23 spacings.
            jumps = std::min(static_cast<std::uint64_t>(truncToInt64(room)) + 1, count);
        }
        while (
            jumps > 0 &&
            !grid.keepsInside(static_cast<double>(c) + static_cast<double>(jumps - 1) * delta, s)) {
            --jumps;
        }
        x = static_cast<float>(static_cast<double>(c) + static_cast<double>(jumps) * delta);
        count -= jumps;
    }
    return x;
}

}  // namespace veltro
