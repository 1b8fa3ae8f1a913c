#include "geometry/control_point.h"

#include <gtest/gtest.h>

#include <limits>

namespace veltro {
namespace {

TEST(ControlPoint, ContainsTheRimAndNoMore) {
    const ControlPoint p(Point2(100, 100), 10.0f);
    const struct {
        Point2 at;
        bool hit;
    } cases[] = {
        {Point2(100, 100), true},
        {Point2(110, 100), true},
        {Point2(100, 90), true},
        {Point2(106, 108), true},
        {Point2(110.01f, 100), false},
        {Point2(100, 89.99f), false},
        {Point2(108, 108), false},
        {Point2(std::numeric_limits<float>::quiet_NaN(), 100), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(p.contains(c.at), c.hit) << c.at.x << "," << c.at.y;
    }
}

TEST(ControlPoint, InsideFrameHoldsTheWholeDiscEdgesIncluded) {
    const struct {
        Point2 centre;
        bool inside;
    } cases[] = {
        {Point2(10, 10), true},       {Point2(630, 470), true},
        {Point2(10, 240), true},      {Point2(630, 240), true},
        {Point2(320, 10), true},      {Point2(320, 470), true},
        {Point2(9.5f, 240), false},   {Point2(5, 240), false},
        {Point2(630.5f, 240), false}, {Point2(320, 470.5f), false},
        {Point2(320, 9.99f), false},  {Point2(std::numeric_limits<float>::quiet_NaN(), 240), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ControlPoint(c.centre, 10.0f).insideFrame(), c.inside)
            << c.centre.x << "," << c.centre.y;
    }
}

}  // namespace
}  // namespace veltro
