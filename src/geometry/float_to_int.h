#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace veltro {

// The one float-to-int conversion of the program: truncates toward zero and
// saturates, so NaN and out-of-range values never reach a raw cast (which
// would be undefined behaviour). NaN gives 0.
inline std::int32_t truncToInt(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

// The same for 64-bit results, used where a 32-bit range is not enough.
inline std::int64_t truncToInt64(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 9223372036854775807.0) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (v <= -9223372036854775808.0) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(v);
}

// Nearest integer as the rasterizers want it: trunc(v + 0.5), the sum formed
// in double.
inline std::int32_t roundHalfUp(float v) {
    return truncToInt(static_cast<double>(v) + 0.5);
}

}  // namespace veltro
