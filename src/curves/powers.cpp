#include "curves/powers.h"

namespace veltro {

std::int64_t powerInt(std::int64_t x, int e) {
    std::int64_t result = 1;
    std::int64_t base = x;
    int m = e > 0 ? e : 0;
    for (;;) {
        if (m % 2 == 1) {
            result = multiplySaturating(base, result);
        }
        if (m < 2) {
            return result;
        }
        m = m / 2;
        base = multiplySaturating(base, base);
    }
}

}  // namespace veltro
