#include "raster/rasterize.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "raster/frame_buffer.h"
#include "raster/paint_frame.h"
#include "raster_reference.h"

namespace veltro {
namespace {

using testing::Pixel;
using testing::Recorder;

// Wide enough to keep the pixels at 0 and below that setPixel would drop.
const raster::PixelWindow kEverywhere{-1000, 1000, -1000, 1000};

struct Case {
    Point2 a;
    Point2 b;
    std::vector<Pixel> pixels;  // in drawing order
};

TEST(DrawDDA, SetsTheDocumentedPixelsInOrder) {
    const Case cases[] = {
        // Not horizontal (dy = -0.8): shallow, from column 11 down to 4.
        {Point2(10.7f, 5.9f),
         Point2(3.2f, 5.1f),
         {{11, 6}, {10, 6}, {9, 6}, {8, 6}, {7, 5}, {6, 5}, {5, 5}, {4, 5}}},
        // Horizontal: truncated ends, both included, left to right.
        {Point2(10.7f, 5.9f),
         Point2(3.2f, 5.9f),
         {{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}}},
        // Vertical: both ends included, top to bottom whichever way round.
        {Point2(4, 2), Point2(4, 7), {{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}}},
        {Point2(4, 7), Point2(4, 2), {{4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}}},
        {Point2(7.3f, 8.6f), Point2(7.3f, 8.6f), {{7, 8}}},
        // Sloped: the end column (row) is not drawn.
        {Point2(0, 0), Point2(5, 2), {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {Point2(5, 2), Point2(0, 0), {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {Point2(0, 0), Point2(2, 5), {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {Point2(2, 5), Point2(0, 0), {{2, 5}, {2, 4}, {1, 3}, {1, 2}, {0, 1}}},
        // Both ends in one column: only the first pixel.
        {Point2(3.2f, 1.0f), Point2(3.4f, 1.1f), {{3, 1}}},
        // trunc(v + 0.5) of -2.7 is -2, not -3.
        {Point2(-2.7f, 0.0f), Point2(2.3f, 1.0f), {{-2, 0}, {-1, 0}, {0, 0}, {1, 1}}},
    };
    for (const Case& c : cases) {
        Recorder r;
        raster::drawDDA(c.a, c.b, kEverywhere, r.drawn);
        EXPECT_EQ(r.pixels(), c.pixels) << c.a.x << "," << c.a.y << " -> " << c.b.x << "," << c.b.y;
    }
}

TEST(DrawBresenham, SetsTheDocumentedPixelsInOrder) {
    const Case cases[] = {
        {Point2(0, 0), Point2(3, 1), {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {Point2(3, 1), Point2(0, 0), {{3, 1}, {2, 1}, {1, 0}, {0, 0}}},
        // A fractional extent overshoots: ceil(3.2) steps.
        {Point2(0, 0), Point2(3.2f, 0), {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}},
        {Point2(0, 0), Point2(2.5f, 1), {{0, 0}, {1, 1}, {2, 1}, {3, 1}}},
        // dx = 0 becomes 0.01.
        {Point2(5, 5), Point2(5, 9), {{5, 5}, {5, 6}, {5, 7}, {5, 8}, {5, 9}}},
        {Point2(5, 5), Point2(5, 5), {{5, 5}, {6, 6}}},
        {Point2(10, 10), Point2(10, 11), {{10, 10}, {11, 11}}},
        {Point2(10, 10), Point2(10, 9), {{10, 10}, {11, 9}}},
        {Point2(10, 10), Point2(10, 12), {{10, 10}, {10, 11}, {10, 12}}},
        {Point2(10, 12), Point2(10, 10), {{10, 12}, {10, 11}, {10, 10}}},
        // Steep, both directions.
        {Point2(0, 0), Point2(1, 3), {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
        {Point2(1, 3), Point2(0, 0), {{1, 3}, {1, 2}, {0, 1}, {0, 0}}},
        // Near zero, trunc(v + 0.5) maps both -0.7 and 0.3 to column 0.
        {Point2(-2.7f, 0.0f), Point2(0.3f, 1.0f), {{-2, 0}, {-1, 0}, {0, 1}, {0, 1}}},
    };
    for (const Case& c : cases) {
        Recorder r;
        raster::drawBresenham(c.a, c.b, kEverywhere, r.drawn);
        EXPECT_EQ(r.pixels(), c.pixels) << c.a.x << "," << c.a.y << " -> " << c.b.x << "," << c.b.y;
    }
}

struct Frame {
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(640 * 480, 0xFFFFFFFFu);
    FrameBuffer view{words.data(), 640, 480};

    std::vector<Pixel> written() const {
        std::vector<Pixel> out;
        for (std::uint32_t y = 1; y <= 480; ++y) {
            for (std::uint32_t x = 0; x < 640; ++x) {
                if (view.at(x, y) != 0xFFFFFFFFu) {
                    out.push_back({x, y});
                }
            }
        }
        return out;
    }
};

TEST(DrawIntoFrame, DrawsInTheSegmentsColour) {
    Frame f;
    raster::drawBresenham(f.view, Point2(0, 0), Point2(3, 1), Colour(255, 199, 204, 255));
    // (0, 0) and (1, 0) lie in column 0 / row 0, which setPixel never writes.
    EXPECT_EQ(f.written(), (std::vector<Pixel>{{2, 1}, {3, 1}}));
    EXPECT_EQ(f.view.at(2, 1), 0xFFFFC7CCu);

    Frame g;
    raster::drawDDA(g.view, Point2(4, 2), Point2(4, 4), Colour(0, 0, 255, 255));
    EXPECT_EQ(g.written(), (std::vector<Pixel>{{4, 2}, {4, 3}, {4, 4}}));
    EXPECT_EQ(g.view.at(4, 3), 0xFF0000FFu);
}

TEST(DrawIntoFrame, FarOutsideSegmentsDrawOnlyTheirVisiblePart) {
    Frame f;
    raster::drawBresenham(f.view, Point2(-1e30f, -1e30f), Point2(1e30f, 1e30f), Colour());
    const std::vector<Pixel> pixels = f.written();
    ASSERT_EQ(pixels.size(), 479u);
    for (const Pixel& p : pixels) {
        EXPECT_EQ(p.x, p.y);
    }
}

// A path paints exactly the pixels of the step-by-step walk of each of its
// segments, whichever way the painter takes a segment: paths of short and
// long segments, inside the frame, at its edges and beyond, at whole, half
// and fractional positions, with zero, vertical and diagonal segments.
TEST(DrawIntoFrame, PathsPaintTheStepByStepWalks) {
    std::mt19937 random(7);
    const auto pick = [&](std::initializer_list<float> choices) {
        return *(choices.begin() +
                 std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random));
    };
    const auto near = [&](float around, float spread) {
        const float offset = std::uniform_real_distribution<float>(-spread, spread)(random);
        const float position = around + offset;
        return pick({position, std::round(position), std::round(position) + 0.5f});
    };
    for (int path = 0; path < 400; ++path) {
        std::vector<Point2> points{Point2(near(pick({2.0f, 5.0f, 320.0f, 635.0f, 639.0f}), 8.0f),
                                          near(pick({2.0f, 5.0f, 240.0f, 475.0f, 479.0f}), 8.0f))};
        for (int k = 0; k < 60; ++k) {
            const float reach = pick({0.0f, 1.0f, 3.0f, 4.0f, 40.0f, 700.0f});
            const Point2& last = points.back();
            points.emplace_back(pick({near(last.x, reach), last.x}),
                                pick({near(last.y, reach), last.y}));
        }
        Frame painted;
        raster::drawBresenhamPath(painted.view, points, Colour(0, 0, 255, 255));
        Frame walked;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            testing::walkBresenham(points[i], points[i + 1], [&](const Pixel& p) {
                walked.view.setPixel(static_cast<std::int32_t>(p.x), static_cast<std::int32_t>(p.y),
                                     Colour(0, 0, 255, 255));
            });
        }
        ASSERT_EQ(painted.words, walked.words) << "path " << path;
    }
}

// Discs in order, then the polylines over them: a marker under a control
// point is hidden, and a curve crosses both.
TEST(PaintFrame, DiscsInOrderThenPolylines) {
    const Colour marker(255, 80, 72, 255);
    const Colour point(255, 199, 204, 255);
    const Colour curve(75, 95, 212, 255);
    FrameReport report;
    report.discs = {{Point2(100, 100), 10.0f, marker},
                    {Point2(100, 100), 10.0f, point},
                    {Point2(300, 100), 10.0f, marker}};
    report.polylines = {{curve, {Point2(100, 100), Point2(300, 100), Point2(300, 300)}}};
    Frame f;
    raster::paintFrame(report, f.view);
    const auto word = [](const Colour& colour) {
        Frame one;
        one.view.setPixel(1u, 1u, colour);
        return one.view.at(1, 1);
    };
    EXPECT_EQ(f.view.at(100, 95), word(point));
    EXPECT_EQ(f.view.at(300, 95), word(marker));
    for (std::uint32_t x : {105u, 200u, 295u}) {
        EXPECT_EQ(f.view.at(x, 100), word(curve)) << x;
    }
    EXPECT_EQ(f.view.at(300, 200), word(curve));
}

}  // namespace
}  // namespace veltro
