#include "geometry/point2.h"

#include <gtest/gtest.h>

namespace veltro {
namespace {

TEST(Lerp, EndsMidpointAndRounding) {
    const struct {
        Point2 a;
        Point2 b;
        float t;
        Point2 expected;
    } cases[] = {
        {Point2(10.5f, -4), Point2(20, 8.25f), 0.0f, Point2(10.5f, -4)},
        {Point2(10.5f, -4), Point2(20, 8.25f), 1.0f, Point2(20, 8.25f)},
        {Point2(10.5f, -4), Point2(20, 8.25f), 0.5f, Point2(15.25f, 2.125f)},
        {Point2(10.5f, -4), Point2(20, 8.25f), 2.0f, Point2(29.5f, 20.5f)},
        // Frames depend on the rounding: all-float arithmetic gives
        // 13.6000004 and 16.2000008 here.
        {Point2(15, 15), Point2(1, 27), 0.1f, Point2(0x1.b33332p+3f, 0x1.033332p+4f)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(lerp(c.a, c.b, c.t), c.expected) << c.t;
    }
}

}  // namespace
}  // namespace veltro
