#include "geometry/point2.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>

namespace veltro {
namespace {

// 1 - t and t * b are rounded to float, (1 - t) * a joins the sum exactly.
float expectedLerp(float a, float b, float t) {
    const float oneMinusT = 1.0f - t;
    const float tb = t * b;
    return static_cast<float>(static_cast<double>(tb) +
                              static_cast<double>(oneMinusT) * static_cast<double>(a));
}

TEST(Lerp, EndsMidpointAndDefaultColour) {
    Point2 a(10.5f, -4);
    a.setColour(Colour(1, 2, 3, 4));
    Point2 b(20, 8.25f);
    b.setColour(Colour(5, 6, 7, 8));
    const struct {
        float t;
        Point2 expected;
    } cases[] = {
        {0.0f, Point2(10.5f, -4)},
        {1.0f, Point2(20, 8.25f)},
        {0.5f, Point2(15.25f, 2.125f)},
        {2.0f, Point2(29.5f, 20.5f)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lerp(a, b, c.t), c.expected) << c.t;  // colour included
    }
}

TEST(Lerp, RoundsLikeTheMixedPrecisionFormula) {
    std::mt19937 rng(3);
    std::uniform_real_distribution<float> coordinate(-1000.0f, 1000.0f);
    std::uniform_real_distribution<float> parameter(-0.5f, 1.5f);
    int differsFromPlainFloat = 0;
    for (int i = 0; i < 20000; ++i) {
        const Point2 a(coordinate(rng), coordinate(rng));
        const Point2 b(coordinate(rng), coordinate(rng));
        const float t = parameter(rng);
        const Point2 p = lerp(a, b, t);
        ASSERT_EQ(std::bit_cast<std::uint32_t>(p.getX()),
                  std::bit_cast<std::uint32_t>(expectedLerp(a.getX(), b.getX(), t)));
        ASSERT_EQ(std::bit_cast<std::uint32_t>(p.getY()),
                  std::bit_cast<std::uint32_t>(expectedLerp(a.getY(), b.getY(), t)));
        const float plain = (1.0f - t) * a.getX() + t * b.getX();
        differsFromPlainFloat += plain != p.getX() ? 1 : 0;
    }
    // The inputs are ones where the rounding order matters.
    EXPECT_GT(differsFromPlainFloat, 100);
}

}  // namespace
}  // namespace veltro
