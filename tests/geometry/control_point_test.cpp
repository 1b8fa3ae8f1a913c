#include "geometry/control_point.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>
#include <utility>
#include <vector>

#include "app/frame_buffer.h"

namespace veltro {
namespace {

struct Frame {
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(640 * 480, 0xFFFFFFFFu);
    FrameBuffer view{words.data(), 640, 480};

    // Row -> (first column, last column, pixel count) of the painted pixels.
    std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>> rowExtents(int* count) const {
        std::map<std::uint32_t, std::pair<std::uint32_t, std::uint32_t>> rows;
        *count = 0;
        for (std::uint32_t y = 1; y < 480; ++y) {
            for (std::uint32_t x = 1; x < 640; ++x) {
                if (view.at(x, y) == 0xFFFFFFFFu) {
                    continue;
                }
                ++*count;
                auto [it, fresh] = rows.try_emplace(y, x, x);
                if (!fresh) {
                    it->second.second = x;
                }
            }
        }
        return rows;
    }
};

TEST(ControlPointDraw, RadiusTenDiscPaintsItsKnownShape) {
    Frame f;
    ControlPoint(Point2(100, 100), 10.0f).draw(f.view, Colour(255, 199, 204, 255));
    int count = 0;
    const auto rows = f.rowExtents(&count);
    EXPECT_EQ(count, 333);
    ASSERT_EQ(rows.begin()->first, 90u);
    ASSERT_EQ(rows.rbegin()->first, 109u);
    const struct {
        std::uint32_t row;
        std::uint32_t first;
        std::uint32_t last;
    } expected[] = {
        {90, 96, 103},  {96, 90, 109},  {97, 90, 109},  {98, 90, 109},  {99, 90, 109},
        {100, 90, 110}, {101, 90, 109}, {102, 90, 109}, {103, 90, 109}, {109, 96, 103},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(rows.at(e.row), std::make_pair(e.first, e.last)) << "row " << e.row;
    }
    // Every row is one solid span in the marker colour.
    for (const auto& [row, span] : rows) {
        for (std::uint32_t x = span.first; x <= span.second; ++x) {
            ASSERT_EQ(f.view.at(x, row), 0x00FFC7CCu) << x << "," << row;
        }
    }
}

TEST(ControlPointDraw, OddRadiiFinish) {
    const float radii[] = {1e9f,
                           -10.0f,
                           0.0f,
                           std::numeric_limits<float>::quiet_NaN(),
                           std::numeric_limits<float>::infinity(),
                           1e-30f};
    for (float r : radii) {
        Frame f;
        ControlPoint(Point2(320, 240), r).draw(f.view, Colour());
        SUCCEED() << r;  // reaching here is the test: no endless angle loop
    }
    Frame far;
    ControlPoint(Point2(1e30f, -1e30f), 10.0f).draw(far.view, Colour());
    int count = 0;
    far.rowExtents(&count);
    EXPECT_EQ(count, 0);
}

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
        EXPECT_EQ(p.contains(c.at), c.hit) << c.at.getX() << "," << c.at.getY();
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
        EXPECT_EQ(p.confineToWindow(), c.restored) << c.dropped.getX() << "," << c.dropped.getY();
        const Point2 expected = c.restored ? Point2(100, 100) : c.dropped;
        EXPECT_EQ(p.centre.getX(), expected.getX());
        EXPECT_EQ(p.getLastValidPosition().getX(), expected.getX());
    }
}

TEST(ControlPoint, ConfineRestoresTheWholeLastValidPoint) {
    Point2 start(100, 100);
    start.setColour(Colour(9, 8, 7, 6));
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
        EXPECT_EQ(box.boxContains(c.p), c.inside) << c.p.getX() << "," << c.p.getY();
    }
}

}  // namespace
}  // namespace veltro
