#pragma once

#include <cstdint>
#include <limits>

namespace veltro {

// a * b, held at the ends of the 64-bit range instead of wrapping.
inline std::int64_t multiplySaturating(std::int64_t a, std::int64_t b) {
    // Factors below 2^31 cannot overflow, and the spline's matrix has only
    // such: WebAssembly would check each of its products through a 128-bit
    // multiplication.
    constexpr std::int64_t kSmall = std::int64_t{1} << 31;
    if (a > -kSmall && a < kSmall && b > -kSmall && b < kSmall) {
        return a * b;
    }
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        const bool negative = (a < 0) != (b < 0);
        return negative ? std::numeric_limits<std::int64_t>::min()
                        : std::numeric_limits<std::int64_t>::max();
    }
    return product;
}

// x to the power e (e >= 0; a negative e counts as 0) by repeated squaring,
// in double: the order of the products is part of the result's last bits.
// Any base to the power 0 is 1, 0 included.
inline double powerFloat(float x, int e) {
    double result = 1.0;
    double base = static_cast<double>(x);
    int m = e > 0 ? e : 0;
    for (;;) {
        if (m % 2 == 1) {
            result = base * result;
        }
        if (m < 2) {
            return result;
        }
        m = m / 2;
        base = base * base;
    }
}

// The same for integers, in 64 bits so that the cubes the spline needs stay
// exact for up to two million points; beyond the 64-bit range the result
// saturates instead of wrapping.
std::int64_t powerInt(std::int64_t x, int e);

}  // namespace veltro
