#include "editing/point_editing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace veltro {
namespace {

ControlPoint pointAt(float x, float y) {
    return ControlPoint(Point2(x, y), ControlPoint::kRadius);
}

struct Gesture {
    std::vector<ControlPoint> points;
    std::vector<PickedPoint> picked;
    bool redraw = false;

    void press(float x, float y) { pickPoints(points, Point2(x, y), picked); }
    void move(float x, float y) { dragPickedPoints(points, picked, Point2(x, y), redraw); }
    void release() { dropPickedPoints(points, picked, redraw); }
    // Drags point `index` from its centre to (x, y) and lets go.
    void dragTo(std::size_t index, float x, float y) {
        press(points[index].centre.x, points[index].centre.y);
        move(x, y);
        release();
    }
};

void expectAt(const ControlPoint& p, float x, float y) {
    EXPECT_EQ(p.centre.x, x);
    EXPECT_EQ(p.centre.y, y);
}

TEST(PickPoints, PicksEveryDiscUnderTheCursorAndDropsTheRest) {
    Gesture g;
    g.points = {pointAt(100, 100), pointAt(105, 100), pointAt(300, 300)};
    g.picked = {{2, Point2(300, 300)}};
    g.press(110, 100);  // rim of the first, inside the second
    EXPECT_EQ(g.picked, (std::vector<PickedPoint>{{0, Point2(100, 100)}, {1, Point2(105, 100)}}));
    g.press(500, 50);
    EXPECT_TRUE(g.picked.empty());
}

TEST(PickPoints, APointPickedAgainMidDragStillGoesBackToWhereItsDragBegan) {
    Gesture g;
    g.points = {pointAt(100, 100), pointAt(300, 300)};
    g.press(95, 100);
    g.move(200, 150);  // absolute: the centre lands on the cursor, not offset by 5
    expectAt(g.points[0], 200, 150);
    g.press(200, 150);
    g.move(5, 5);
    g.release();
    expectAt(g.points[0], 100, 100);
    expectAt(g.points[1], 300, 300);
}

TEST(ConfineSelectedPoints, KeepsDiscsInsideTheWindowAndSendsTheRestBack) {
    const struct {
        float x, y;
        bool stays;
    } cases[] = {
        {5, 200, false}, {10, 200, true},  {630, 200, true},  {631, 200, false},
        {300, 10, true}, {300, 470, true}, {300, 9, false},   {300, 471, false},
        {10, 10, true},  {630, 470, true}, {-50, -50, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "drop at " << c.x << ", " << c.y);
        Gesture g;
        g.points = {pointAt(320, 240)};
        g.dragTo(0, c.x, c.y);
        if (c.stays) {
            expectAt(g.points[0], c.x, c.y);
            EXPECT_EQ(g.picked[0].dragStart, Point2(c.x, c.y));
        } else {
            expectAt(g.points[0], 320, 240);
        }
        EXPECT_TRUE(g.redraw);
    }
}

TEST(ConfineSelectedPoints, APointCreatedAtTheBorderStaysWhenPickedAndReleased) {
    Gesture g;
    g.points = {pointAt(3, 3)};
    g.press(3, 3);
    g.release();
    expectAt(g.points[0], 3, 3);
}

TEST(ResolveDropOverlaps, SquareProbesAgainstTheOtherDisc) {
    // Q sits at (100, 100); P comes from far away.
    const struct {
        float x, y;
        bool goesBack;
    } cases[] = {
        {110, 100, true},   // centre on Q's rim
        {115, 100, false},  // discs overlap, yet no probe reaches Q's disc
        {117, 117, true},   // discs apart, corner (107, 107) inside Q's disc
        {110, 110, true},   // corner 0 on Q's centre
        {120, 100, false}, {125, 125, false}, {100, 100, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "drop at " << c.x << ", " << c.y);
        Gesture g;
        g.points = {pointAt(100, 100), pointAt(400, 300)};
        g.dragTo(1, c.x, c.y);
        if (c.goesBack) {
            expectAt(g.points[1], 400, 300);
        } else {
            expectAt(g.points[1], c.x, c.y);
        }
        expectAt(g.points[0], 100, 100);
    }
}

TEST(ResolveDropOverlaps, PointsPickedTogetherAllButTheLastGoBack) {
    Gesture g;
    g.points = {pointAt(100, 100), pointAt(105, 100), pointAt(108, 100), pointAt(400, 400)};
    g.press(104, 100);
    EXPECT_EQ(g.picked.size(), 3u);
    g.move(300, 200);
    g.release();
    expectAt(g.points[0], 100, 100);
    expectAt(g.points[1], 105, 100);
    // Nothing is near the drop position once the others have gone back.
    expectAt(g.points[2], 300, 200);
    expectAt(g.points[3], 400, 400);
}

TEST(ResolveDropOverlaps, TheLastPickedPointAlsoGoesBackWhenItLandsOnAnother) {
    Gesture g;
    g.points = {pointAt(100, 100), pointAt(104, 100), pointAt(250, 200)};
    g.press(102, 100);
    g.move(250, 200);
    g.release();
    expectAt(g.points[0], 100, 100);
    expectAt(g.points[1], 104, 100);
    expectAt(g.points[2], 250, 200);
}

TEST(ResolveDropOverlaps, PickingAPointThatLiesOnAnotherRequestsARedrawButMovesNothing) {
    Gesture g;
    g.points = {pointAt(100, 100), pointAt(200, 200), pointAt(200, 200)};
    g.press(190, 200);
    g.release();
    expectAt(g.points[1], 200, 200);
    expectAt(g.points[2], 200, 200);
    EXPECT_TRUE(g.redraw);
}

// A typed position must end exactly where a drag of that one point to it
// would, and say why when the point went back.
TEST(PlacePoint, EndsWhereADragOfThatPointWouldAndTellsWhy) {
    std::mt19937 random(21);
    std::uniform_real_distribution<float> coordinate(-30.0f, 670.0f);
    std::uniform_int_distribution<int> count(1, 6);
    for (int scene = 0; scene < 2000; ++scene) {
        Gesture drag;
        for (int i = count(random); i > 0; --i) {
            // Whole pixels, so drops onto other points happen often.
            drag.points.push_back(pointAt(std::round(coordinate(random) / 8) * 8,
                                          std::round(coordinate(random) / 8) * 8));
        }
        const std::size_t index = random() % drag.points.size();
        const Point2 target(std::round(coordinate(random) / 8) * 8,
                            std::round(coordinate(random) / 8) * 8);
        std::vector<ControlPoint> placed = drag.points;
        const std::vector<ControlPoint> before = drag.points;
        const Placement told = placementOf(placed, index, target);
        bool redraw = false;
        ASSERT_EQ(placePoint(placed, index, target, redraw), told);

        drag.picked = {{index, drag.points[index].centre}};
        drag.move(target.x, target.y);
        drag.release();
        ASSERT_EQ(placed, drag.points) << "scene " << scene;
        if (told == Placement::Placed) {
            EXPECT_EQ(placed[index].centre, target);
        } else {
            EXPECT_EQ(placed, before);
        }
        EXPECT_EQ(redraw, told == Placement::Placed && !(before[index].centre == target));
        if (told == Placement::OutsideArea) {
            EXPECT_FALSE(ControlPoint(target, ControlPoint::kRadius).insideFrame());
        }
    }
}

TEST(PlacePoint, RefusesWhatNoDragCouldDoAndLeavesThePoints) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        std::size_t index;
        float x, y;
        Placement expected;
    } cases[] = {
        {0, 5, 200, Placement::OutsideArea},  // the disc would cross the left edge
        {0, 631, 470, Placement::OutsideArea},
        {0, 305, 302, Placement::OntoAnotherPoint},
        {1, 100, 100, Placement::OntoAnotherPoint},
        {2, 200, 200, Placement::NoSuchPoint},
        {0, nan, 200, Placement::OutsideArea},
        {0, 200, inf, Placement::OutsideArea},
        {0, 10, 10, Placement::Placed},  // the rim touches both edges: inside
    };
    for (const auto& c : cases) {
        std::vector<ControlPoint> points = {pointAt(100, 100), pointAt(300, 300)};
        bool redraw = false;
        EXPECT_EQ(placePoint(points, c.index, Point2(c.x, c.y), redraw), c.expected)
            << c.index << " to " << c.x << ", " << c.y;
        if (c.expected != Placement::Placed) {
            EXPECT_EQ(points, (std::vector<ControlPoint>{pointAt(100, 100), pointAt(300, 300)}));
            EXPECT_FALSE(redraw);
        }
    }
}

}  // namespace
}  // namespace veltro
