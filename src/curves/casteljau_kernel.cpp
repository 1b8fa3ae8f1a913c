#include "curves/casteljau_kernel.h"

#include "curves/wide_kernel.h"

namespace veltro {

// The heart of nested linear interpolation over many points: a frame runs
// it about n^2 / 2 times per sample.
VELTRO_WIDE_KERNEL
void casteljauLevel(CasteljauScratch& s, std::size_t size, float t) {
    const float oneMinusT = static_cast<float>(1.0 - static_cast<double>(t));
    float* x = s.x.data();
    float* y = s.y.data();
    for (std::size_t j = 0; j + 1 < size; ++j) {
        x[j] = lerpCoordinate(x[j], x[j + 1], t, oneMinusT);
        y[j] = lerpCoordinate(y[j], y[j + 1], t, oneMinusT);
    }
}

}  // namespace veltro
