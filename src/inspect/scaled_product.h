#pragma once

#include <cmath>
#include <cstdint>

namespace veltro {

// A product kept as a mantissa and a power of two, so that the thousands of
// factors of a polynomial's weights neither overflow nor underflow on the
// way; only the final value is brought back into double's range.
struct ScaledProduct {
    double mantissa = 1.0;
    std::int64_t exponent = 0;

    void multiplyBy(double factor) {
        int e = 0;
        mantissa = std::frexp(mantissa * factor, &e);
        exponent += e;
    }
};

// m * 2^e for a product's pieces: infinity beyond double's range, zero
// below it.
inline double scaledValue(double mantissa, std::int64_t exponent) {
    constexpr std::int64_t kFarBeyondRange = 1 << 20;
    const std::int64_t held = exponent > kFarBeyondRange
                                  ? kFarBeyondRange
                                  : (exponent < -kFarBeyondRange ? -kFarBeyondRange : exponent);
    return std::ldexp(mantissa, static_cast<int>(held));
}

}  // namespace veltro
