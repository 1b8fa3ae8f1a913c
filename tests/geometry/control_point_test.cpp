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

ControlPoint usedPoint() {
    ControlPoint p(Point2(50, 50), 10.0f);
    p.storeLastValidPosition(Point2(20, 20));
    p.selected = true;
    p.setBoundingBox(Point2(1, 2), Point2(3, 4), Point2(5, 6), Point2(7, 8));
    return p;
}

TEST(ControlPoint, CopyStartsAfreshAtTheCopiedCentre) {
    const ControlPoint source = usedPoint();
    ASSERT_EQ(source.getLastValidPosition(), Point2(20, 20));
    const ControlPoint copy(source);
    EXPECT_EQ(copy.centre, Point2(50, 50));
    EXPECT_EQ(copy.radius, 10.0f);
    EXPECT_EQ(copy.getLastValidPosition(), Point2(50, 50));
    EXPECT_FALSE(copy.selected);
    for (const Point2& corner : copy.boxCorners) {
        EXPECT_EQ(corner, Point2());
    }
}

TEST(ControlPoint, AssignmentKeepsTheTargetsBoxAndSelection) {
    ControlPoint target = usedPoint();
    target.selected = true;
    target.setBoundingBox(Point2(9, 9), Point2(9, 9), Point2(9, 9), Point2(9, 9));
    ControlPoint source(Point2(70, 80), 12.0f);
    source.storeLastValidPosition(Point2(1, 1));
    target = source;
    EXPECT_EQ(target.centre, Point2(70, 80));
    EXPECT_EQ(target.radius, 12.0f);
    EXPECT_EQ(target.getLastValidPosition(), Point2(70, 80));
    EXPECT_TRUE(target.selected);
    EXPECT_EQ(target.boxCorners[3], Point2(9, 9));

    ControlPoint self = usedPoint();
    ControlPoint& alias = self;
    self = alias;
    EXPECT_EQ(self.getLastValidPosition(), Point2(20, 20));
}

TEST(ControlPoint, ConfineToWindowKeepsOnlyDiscsInsideTheArea) {
    const struct {
        Point2 dropped;
        bool restored;
    } cases[] = {
        {Point2(10, 10), false},     {Point2(630, 470), false},
        {Point2(10, 240), false},    {Point2(630, 240), false},
        {Point2(320, 10), false},    {Point2(320, 470), false},
        {Point2(9.5f, 240), true},   {Point2(5, 240), true},
        {Point2(630.5f, 240), true}, {Point2(320, 470.5f), true},
        {Point2(320, 9.99f), true},  {Point2(std::numeric_limits<float>::quiet_NaN(), 240), true},
    };
    for (const auto& c : cases) {
        ControlPoint p(Point2(100, 100), 10.0f);
        p.centre = c.dropped;
        EXPECT_EQ(p.confineToWindow(), c.restored) << c.dropped.x << "," << c.dropped.y;
        const Point2 expected = c.restored ? Point2(100, 100) : c.dropped;
        EXPECT_EQ(p.centre.x, expected.x);
        EXPECT_EQ(p.getLastValidPosition().x, expected.x);
    }
}

TEST(ControlPoint, ConfineRestoresTheWholeLastValidPoint) {
    Point2 start(100, 100);
    ControlPoint p(start, 10.0f);
    p.centre = Point2(-50, 100);
    EXPECT_TRUE(p.confineToWindow());
    EXPECT_EQ(p.centre, start);
    // A point created across the border stays where it was created.
    ControlPoint corner(Point2(5, 5), 10.0f);
    EXPECT_TRUE(corner.confineToWindow());
    EXPECT_EQ(corner.centre, Point2(5, 5));
}

TEST(SceneObject, BoxContainsIncludesAllFourBoundsAndIgnoresCornerOne) {
    SceneObject box;
    box.setBoundingBox(Point2(90, 90), Point2(-1000, -1000), Point2(90, 110), Point2(110, 110));
    const struct {
        Point2 p;
        bool inside;
    } cases[] = {
        {Point2(90, 90), true},       {Point2(110, 110), true},      {Point2(90, 110), true},
        {Point2(100, 100), true},     {Point2(89.99f, 100), false},  {Point2(110.01f, 100), false},
        {Point2(100, 89.99f), false}, {Point2(100, 110.01f), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(box.boxContains(c.p), c.inside) << c.p.x << "," << c.p.y;
    }
}

}  // namespace
}  // namespace veltro
