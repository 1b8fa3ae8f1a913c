#include "raster/float_steps.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

#include "geometry/bit_cast.h"
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

// 2^e for -149 <= e <= 128, built directly: this runs in the rasterizers'
// inner searches, where the library functions would dominate.
double powerOfTwo(int e) {
    return bitCast<double>(static_cast<std::uint64_t>(e + 1023) << 52);
}

// The exponent e with 2^e <= |v| < 2^(e + 1); v finite and nonzero.
int binadeExponent(float v) {
    const std::uint32_t bits = bitCast<std::uint32_t>(v) & 0x7FFFFFFFu;
    const int biased = static_cast<int>(bits >> 23);
    if (biased == 0) {
        return std::bit_width(bits) - 1 - 149;  // subnormal
    }
    return biased - 127;
}

// The largest e such that v is a multiple of 2^e; v finite and nonzero.
int lowestBitExponent(float v) {
    const std::uint32_t bits = bitCast<std::uint32_t>(v) & 0x7FFFFFFFu;
    const int biased = static_cast<int>(bits >> 23);
    const std::uint32_t mantissa = bits & 0x7FFFFFu;
    if (biased == 0) {
        return std::countr_zero(mantissa) - 149;
    }
    return std::countr_zero(mantissa | 0x800000u) + biased - 150;
}

UniformGrid gridAround(float v) {
    const int exponent = binadeExponent(v);
    const double low = powerOfTwo(exponent);
    const double spacing = powerOfTwo(std::max(exponent - 23, -149));
    if (v > 0.0f) {
        return {low, 2.0 * low, spacing};
    }
    return {-2.0 * low, -low, spacing};
}

// When x and s are multiples of 2^g and every partial sum stays within
// 2^(g + 24) in magnitude, every sum is a float and nothing rounds: the
// result is x + count * s. The common case of a cursor moving by whole
// pixels takes this path.
bool addExactly(float x, float s, std::uint64_t count, float& result) {
    if (!std::isfinite(x) || !std::isfinite(s) || s == 0.0f) {
        return false;
    }
    const int g =
        x == 0.0f ? lowestBitExponent(s) : std::min(lowestBitExponent(x), lowestBitExponent(s));
    const double limit = std::min(powerOfTwo(std::min(g + 24, 128)),
                                  static_cast<double>(std::numeric_limits<float>::max()));
    // Exact whenever it matters: a true end within the limit needs at most
    // 25 significant bits, and one beyond it cannot round back inside.
    const double end = static_cast<double>(x) + static_cast<double>(count) * static_cast<double>(s);
    if (std::fabs(static_cast<double>(x)) > limit || !(std::fabs(end) <= limit)) {
        return false;
    }
    result = static_cast<float>(end);
    return true;
}

}  // namespace

// Inside one uniform stretch with spacing u, v = m * u and v + s rounds to
// (m + round(s / u)) * u: the increment is the same for every step, except
// when s / u is exactly a half, where ties go to the even multiple. Once one
// step inside the stretch has rounded (so m is even), the increment is fixed
// for the remaining steps inside it as well. So two steps taken one by one
// fix the increment, and the rest of the stretch is crossed in one jump.
float addRepeatedly(float x, float s, std::uint64_t count) {
    float exact = 0.0f;
    if (addExactly(x, s, count, exact)) {
        return exact;
    }
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
