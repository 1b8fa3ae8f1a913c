#pragma once

#include <cmath>
#include <cstring>

#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

// Marks a kernel that runs many samples side by side so that, on x86-64
// Linux with GCC, it is compiled twice, for the baseline processor and for
// AVX2, and the loader picks the version the processor can run. Every
// operation in such a kernel is a correctly rounded IEEE one and nothing is
// contracted into a fused multiply-add (AVX2 alone does not enable FMA), so
// both versions give the same bits: the wider one only does four lanes of
// double at once instead of two. Elsewhere (Windows, WebAssembly, clang) the
// kernel is compiled once, as it stands.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__ELF__)
#define VELTRO_WIDE_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define VELTRO_WIDE_KERNEL
#endif

// Four doubles that arithmetic treats lane by lane, each lane exactly as a
// lone double: the kernels' way of running samples side by side that every
// compiler of the program vectorises (two SSE2 or WebAssembly SIMD
// registers, or one AVX2 register).
using DoubleLanes = double __attribute__((vector_size(4 * sizeof(double))));
using FloatLanes = float __attribute__((vector_size(4 * sizeof(float))));

// Four floats widened to four doubles. Written lane by lane on purpose: GCC
// 12 turns __builtin_convertvector of this pair into two half conversions and
// a shuffle, where this form is one instruction. Out through a reference, so
// that no vector crosses a call boundary whose convention depends on AVX.
inline void widen(FloatLanes f, DoubleLanes& out) {
    out = DoubleLanes{f[0], f[1], f[2], f[3]};
}

// Four doubles rounded to four floats.
#if defined(__wasm_simd128__)
// Clang 14 narrows these one lane at a time; two vector narrowings of two
// lanes each and a shuffle do the same.
inline FloatLanes narrow(const DoubleLanes& v) {
    v128_t halves[2];
    std::memcpy(halves, &v, sizeof(v));
    const v128_t low = wasm_f32x4_demote_f64x2_zero(halves[0]);
    const v128_t high = wasm_f32x4_demote_f64x2_zero(halves[1]);
    return reinterpret_cast<FloatLanes>(wasm_i32x4_shuffle(low, high, 0, 1, 4, 5));
}
#else
inline FloatLanes narrow(const DoubleLanes& v) {
    return __builtin_convertvector(v, FloatLanes);
}
#endif

// Each lane rounded to float and widened back, in place: a float sum kept
// in a double lane.
#if defined(__wasm_simd128__)
// Clang 14 folds a vector narrowing followed by a widening into one scalar
// narrowing and widening per lane, four times slower than the two vector
// instructions; the empty asm keeps the pair apart. Same rounding either way.
inline void roundToFloat(DoubleLanes& v) {
    using Half = double __attribute__((vector_size(2 * sizeof(double))));
    Half halves[2];
    std::memcpy(halves, &v, sizeof(v));
    for (Half& half : halves) {
        v128_t narrow = wasm_f32x4_demote_f64x2_zero(reinterpret_cast<v128_t>(half));
        __asm__("" : "+r"(narrow));
        half = reinterpret_cast<Half>(wasm_f64x2_promote_low_f32x4(narrow));
    }
    std::memcpy(&v, halves, sizeof(v));
}
#else
inline void roundToFloat(DoubleLanes& v) {
    widen(narrow(v), v);
}
#endif

// Each lane rounded down to a whole number, in place. Clang 14 leaves a
// loop of std::floor over the lanes as one scalar rounding per lane.
inline void floorLanes(DoubleLanes& v) {
#if defined(__wasm_simd128__)
    v128_t halves[2];
    std::memcpy(halves, &v, sizeof(v));
    halves[0] = wasm_f64x2_floor(halves[0]);
    halves[1] = wasm_f64x2_floor(halves[1]);
    std::memcpy(&v, halves, sizeof(v));
#else
    for (int lane = 0; lane < 4; ++lane) {
        v[lane] = std::floor(v[lane]);
    }
#endif
}
