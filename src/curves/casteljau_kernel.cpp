#include "curves/casteljau_kernel.h"

#include "geometry/wide_kernel.h"

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace veltro {

#if defined(__wasm_simd128__)
namespace {

// Entries j .. j + 3 of one coordinate's next level, as lerpCoordinate forms
// each. Written out because clang 14 narrows the doubles back to floats one
// lane at a time when it vectorises the plain loop.
inline void lerpFour(float* c, std::size_t j, v128_t t, v128_t oneMinusT) {
    const v128_t a = wasm_v128_load(c + j);
    const v128_t tb = wasm_f32x4_mul(t, wasm_v128_load(c + j + 1));
    const v128_t aHigh = wasm_i32x4_shuffle(a, a, 2, 3, 2, 3);
    const v128_t tbHigh = wasm_i32x4_shuffle(tb, tb, 2, 3, 2, 3);
    const v128_t low = wasm_f64x2_add(wasm_f64x2_promote_low_f32x4(tb),
                                      wasm_f64x2_mul(oneMinusT, wasm_f64x2_promote_low_f32x4(a)));
    const v128_t high =
        wasm_f64x2_add(wasm_f64x2_promote_low_f32x4(tbHigh),
                       wasm_f64x2_mul(oneMinusT, wasm_f64x2_promote_low_f32x4(aHigh)));
    wasm_v128_store(c + j, wasm_i32x4_shuffle(wasm_f32x4_demote_f64x2_zero(low),
                                              wasm_f32x4_demote_f64x2_zero(high), 0, 1, 4, 5));
}

}  // namespace
#endif

// The heart of nested linear interpolation over many points: a frame runs
// it about n^2 / 2 times per sample.
VELTRO_WIDE_KERNEL
void casteljauLevel(CasteljauScratch& s, std::size_t size, float t) {
    const float oneMinusT = static_cast<float>(1.0 - static_cast<double>(t));
    float* x = s.x.data();
    float* y = s.y.data();
    std::size_t j = 0;
#if defined(__wasm_simd128__)
    // Entry j + 4 is read before the next group overwrites it.
    const v128_t tLanes = wasm_f32x4_splat(t);
    const v128_t oneMinusTLanes = wasm_f64x2_splat(static_cast<double>(oneMinusT));
    for (; j + 4 < size; j += 4) {
        lerpFour(x, j, tLanes, oneMinusTLanes);
        lerpFour(y, j, tLanes, oneMinusTLanes);
    }
#endif
    for (; j + 1 < size; ++j) {
        x[j] = lerpCoordinate(x[j], x[j + 1], t, oneMinusT);
        y[j] = lerpCoordinate(y[j], y[j + 1], t, oneMinusT);
    }
}

}  // namespace veltro
