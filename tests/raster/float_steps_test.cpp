#include "raster/float_steps.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace veltro {
namespace {

float addOneByOne(float x, float s, std::uint64_t count) {
    for (std::uint64_t i = 0; i < count; ++i) {
        x = x + s;
    }
    return x;
}

void expectSameFloat(float expected, float actual, float x, float s, std::uint64_t count) {
    ASSERT_EQ(std::bit_cast<std::uint32_t>(expected), std::bit_cast<std::uint32_t>(actual))
        << "x=" << std::hexfloat << x << " s=" << s << " count=" << std::dec << count
        << " expected " << std::hexfloat << expected << " got " << actual;
}

TEST(AddRepeatedly, MatchesTheLoopOnHandPickedCases) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float x;
        float s;
        std::uint64_t count;
    } cases[] = {
        {0.0f, 1.0f, 100000},            // integers: exact all the way
        {-40000.3f, 1.0f, 80000},        // fractional cursor crossing zero
        {0.3f, 1.0f, 70000},             // rounding at every binade going out
        {16777200.0f, 1.0f, 100},        // runs into 2^24 and stalls there
        {16777218.0f, 1.0f, 10},         // ties: one step, then stuck
        {16777216.0f, -1.0f, 10},        // below 2^24 again: exact steps down
        {33554436.0f, 1.0f, 10},         // spacing 4: stalls at once
        {-1e30f, 1.0f, 1000},            // far out: stalls
        {5.9f, -0.10666667f, 60000},     // DDA-like fractional step
        {1e-40f, 1e-45f, 50000},         // subnormal spacing
        {-1e-40f, 3e-45f, 100000},       // through zero on the subnormal grid
        {1.0f, 0.0f, 5},                 // zero step
        {1.0f, inf, 3},                  // runs to infinity
        {inf, -inf, 2},                  // not a number
        {3.0e38f, 1e37f, 100},           // overflows to infinity
        {1.0f, 1.5f * 0x1p-23f, 20000},  // half-spacing ties in [1, 2)
        {1.0f, 0.5f * 0x1p-23f, 20000},  // ties that stall
    };
    for (const auto& c : cases) {
        expectSameFloat(addOneByOne(c.x, c.s, c.count), addRepeatedly(c.x, c.s, c.count), c.x, c.s,
                        c.count);
    }
    EXPECT_TRUE(std::isnan(addRepeatedly(std::nanf(""), 1.0f, 3)));
}

TEST(AddRepeatedly, MatchesTheLoopOnRandomStartsAndSteps) {
    std::mt19937 rng(20240611);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    std::uniform_int_distribution<int> exponent(-30, 26);
    std::uniform_int_distribution<std::uint64_t> count(0, 40000);
    std::uniform_int_distribution<int> kind(0, 3);
    for (int i = 0; i < 3000; ++i) {
        const float x = std::ldexp(unit(rng), exponent(rng));
        float s = 0.0f;
        switch (kind(rng)) {
            case 0:
                s = unit(rng) < 0.0f ? -1.0f : 1.0f;
                break;
            case 1:
                s = unit(rng);
                break;
            case 2:
                // A multiple of a power of two plus a half: provokes ties.
                s = std::ldexp(std::round(unit(rng) * 64.0f) + 0.5f, exponent(rng) / 2 - 10);
                break;
            default:
                s = std::ldexp(unit(rng), exponent(rng));
                break;
        }
        const std::uint64_t n = count(rng);
        expectSameFloat(addOneByOne(x, s, n), addRepeatedly(x, s, n), x, s, n);
    }
}

TEST(AddRepeatedly, HugeCountsFinishAtOnce) {
    // 2^40 steps of one from zero end where single steps stall: at 2^24.
    EXPECT_EQ(addRepeatedly(0.0f, 1.0f, std::uint64_t{1} << 40), 16777216.0f);
    EXPECT_EQ(addRepeatedly(0.5f, -1.0f, std::uint64_t{1} << 40), -16777216.0f);
}

}  // namespace
}  // namespace veltro
