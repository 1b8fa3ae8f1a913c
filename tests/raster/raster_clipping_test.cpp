#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "raster/rasterize.h"
#include "raster_reference.h"

namespace veltro {
namespace {

using testing::insideOnly;
using testing::Pixel;
using testing::Recorder;
using testing::referenceBresenham;
using testing::referenceDDA;

struct Segment {
    Point2 a;
    Point2 b;
};

std::string describe(const Segment& s) {
    char text[160];
    std::snprintf(text, sizeof text, "(%a, %a) -> (%a, %a)", s.a.x, s.a.y, s.b.x, s.b.y);
    return text;
}

const raster::PixelWindow kFrameWindow{1, 639, 1, 479};
// Negative coordinates, where trunc(v + 0.5) is not a plain rounding.
const raster::PixelWindow kSmallWindow{-7, 13, -5, 9};
const raster::PixelWindow kOneColumn{100, 100, -50, 500};

// Random segments of every kind a curve can produce near and around the
// buffer: short ones, long ones crossing it from far outside, axis-parallel
// and diagonal ones, fractional, integral and half-integral endpoints.
class SegmentSource {
  public:
    explicit SegmentSource(std::uint32_t seed) : rng_(seed) {}

    Segment next() {
        switch (pick(0, 5)) {
            case 0:
                return {near(), near()};
            case 1: {
                const Point2 a = near();
                return {a, Point2(a.x + real(-3, 3), a.y + real(-3, 3))};
            }
            case 2:
                return crossing();
            case 3: {
                // Axis-parallel, diagonal and nearly so.
                const Point2 a = near();
                const float d = std::ldexp(real(-1, 1), pick(0, 16));
                const float e = pick(0, 1) ? 0.0f : real(-0.02, 0.02);
                switch (pick(0, 3)) {
                    case 0:
                        return {a, Point2(a.x + e, a.y + d)};
                    case 1:
                        return {a, Point2(a.x + d, a.y + e)};
                    case 2:
                        return {a, Point2(a.x + d, a.y + d + e)};
                    default:
                        return {a, Point2(a.x + d + e, a.y - d)};
                }
            }
            case 4: {
                // Far outside, passing by or not.
                const Point2 a(shape(real(-70000, 70000)), shape(real(-70000, 70000)));
                return {a, Point2(shape(real(-70000, 70000)), shape(real(-70000, 70000)))};
            }
            default:
                return crossing();
        }
    }

  private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    float real(double lo, double hi) {
        return static_cast<float>(std::uniform_real_distribution<double>(lo, hi)(rng_));
    }
    // Integral, half-integral or arbitrary.
    float shape(float v) {
        switch (pick(0, 3)) {
            case 0:
                return std::round(v);
            case 1:
                return std::round(v) + 0.5f;
            default:
                return v;
        }
    }
    Point2 near() { return Point2(shape(real(-60, 700)), shape(real(-60, 540))); }
    // Through a point in or near the buffer, reaching out up to 32768 px
    // on either side.
    Segment crossing() {
        const double px = real(-20, 660);
        const double py = real(-20, 500);
        const double angle = real(0, 6.283185307179586);
        const double before = std::exp2(real(0, 15));
        const double after = std::exp2(real(0, 15));
        const double cx = std::cos(angle);
        const double cy = std::sin(angle);
        return {Point2(shape(static_cast<float>(px - before * cx)),
                       shape(static_cast<float>(py - before * cy))),
                Point2(shape(static_cast<float>(px + after * cx)),
                       shape(static_cast<float>(py + after * cy)))};
    }

    std::mt19937 rng_;
};

// `expected`: the whole walk's pixels inside the window.
void expectExactInside(const std::vector<Pixel>& expected, const raster::PixelWindow& window,
                       const std::vector<Pixel>& drawn, const std::string& what) {
    const std::vector<Pixel> got = insideOnly(drawn, window);
    ASSERT_EQ(expected.size(), got.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(expected[i], got[i]) << what << " pixel " << i;
    }
}

TEST(RasterClipping, VisiblePixelsAreExactlyThoseOfTheWholeWalk) {
    const raster::Limits limits[] = {raster::Limits{}, raster::Limits{0, 16777216.0}};
    const raster::PixelWindow windows[] = {kFrameWindow, kSmallWindow, kOneColumn};
    SegmentSource source(7);
    for (int i = 0; i < 2000; ++i) {
        const Segment s = source.next();
        for (const raster::PixelWindow& window : windows) {
            const std::vector<Pixel> dda = referenceDDA(s.a, s.b, window);
            const std::vector<Pixel> bresenham = referenceBresenham(s.a, s.b, window);
            for (const raster::Limits& limit : limits) {
                Recorder ddaDrawn;
                raster::drawDDA(s.a, s.b, window, ddaDrawn.drawn, limit);
                expectExactInside(dda, window, ddaDrawn.pixels(), "DDA " + describe(s));
                Recorder bresenhamDrawn;
                raster::drawBresenham(s.a, s.b, window, bresenhamDrawn.drawn, limit);
                expectExactInside(bresenham, window, bresenhamDrawn.pixels(),
                                  "Bresenham " + describe(s));
            }
        }
    }
}

TEST(RasterClipping, StaysExactUpToTwoToTheTwentyFour) {
    const Segment segments[] = {
        {Point2(-1e6f - 0.3f, 230.7f), Point2(1e6f, 250.2f)},
        {Point2(320.25f, -8e6f), Point2(300.5f, 8e6f)},
        {Point2(-5e6f, -5e6f + 0.5f), Point2(5e6f, 5e6f)},
        {Point2(16000000.0f, 300.0f), Point2(-700000.5f, 100.0f)},
        {Point2(320.0f - 3e5f, 240.0f + 9e5f), Point2(320.0f + 3e5f, 240.0f - 9e5f)},
    };
    for (const Segment& s : segments) {
        const std::vector<Pixel> dda = referenceDDA(s.a, s.b, kFrameWindow);
        const std::vector<Pixel> bresenham = referenceBresenham(s.a, s.b, kFrameWindow);
        Recorder ddaDrawn;
        raster::drawDDA(s.a, s.b, kFrameWindow, ddaDrawn.drawn);
        expectExactInside(dda, kFrameWindow, ddaDrawn.pixels(), "DDA " + describe(s));
        Recorder bresenhamDrawn;
        raster::drawBresenham(s.a, s.b, kFrameWindow, bresenhamDrawn.drawn);
        expectExactInside(bresenham, kFrameWindow, bresenhamDrawn.pixels(),
                          "Bresenham " + describe(s));
        EXPECT_FALSE(bresenham.empty()) << describe(s);
    }
}

// The ideal line drawn beyond the exact extent, checked where the whole walk
// is still meaningful: every pixel sits in a column (row) the walk visits, at
// most one pixel across from the walk's, and every column the walk shows well
// inside is drawn.
void expectWithinOnePixel(const std::vector<Pixel>& reference, bool yMajor,
                          const raster::PixelWindow& window, const std::vector<Pixel>& drawn,
                          const std::string& what) {
    const auto major = [&](const Pixel& p) { return yMajor ? p.y : p.x; };
    const auto minor = [&](const Pixel& p) { return yMajor ? p.x : p.y; };
    std::size_t r = 0;
    for (const Pixel& p : drawn) {
        ASSERT_TRUE(testing::inside(p, window)) << what;
        while (r < reference.size() && major(reference[r]) != major(p)) {
            ++r;
        }
        ASSERT_LT(r, reference.size()) << what << ": no step at " << major(p) << " (or order)";
        EXPECT_LE(std::llabs(minor(reference[r]) - minor(p)), 1) << what;
        ++r;
    }
    const raster::PixelWindow core{window.xMin + 1, window.xMax - 1, window.yMin + 1,
                                   window.yMax - 1};
    std::size_t d = 0;
    for (const Pixel& p : insideOnly(reference, core)) {
        while (d < drawn.size() && major(drawn[d]) != major(p)) {
            ++d;
        }
        ASSERT_LT(d, drawn.size()) << what << ": missing step at " << major(p);
    }
}

TEST(RasterClipping, IdealBresenhamLineStaysWithinOnePixelOfTheWalk) {
    const raster::Limits idealOnly{0, 0.0};
    SegmentSource source(11);
    for (int i = 0; i < 1000; ++i) {
        const Segment s = source.next();
        const float dx = std::fabs(s.b.x - s.a.x);
        const float dy = std::fabs(s.b.y - s.a.y);
        if (dx < 1.0f && dy < 1.0f) {
            continue;  // nothing to draw beyond the exact extent this short
        }
        Recorder bresenham;
        raster::drawBresenham(s.a, s.b, kFrameWindow, bresenham.drawn, idealOnly);
        expectWithinOnePixel(referenceBresenham(s.a, s.b), dy / dx >= 1.0f, kFrameWindow,
                             bresenham.pixels(), "Bresenham " + describe(s));
    }
}

std::vector<Pixel> drawBresenham(float x0, float y0, float x1, float y1) {
    Recorder r;
    raster::drawBresenham(Point2(x0, y0), Point2(x1, y1), kFrameWindow, r.drawn);
    return r.pixels();
}

std::vector<Pixel> drawDDA(float x0, float y0, float x1, float y1) {
    Recorder r;
    raster::drawDDA(Point2(x0, y0), Point2(x1, y1), kFrameWindow, r.drawn);
    return r.pixels();
}

std::vector<Pixel> diagonal(std::int64_t from, std::int64_t to) {
    std::vector<Pixel> out;
    for (std::int64_t i = from; from <= to ? i <= to : i >= to; i += from <= to ? 1 : -1) {
        out.push_back({i, i});
    }
    return out;
}

TEST(RasterClipping, SegmentsFromFarOutsideDrawTheirVisiblePart) {
    // Walked exactly: the float cursor still steps by one from 1e7.
    EXPECT_EQ(drawBresenham(-1e7f, -1e7f, 1e7f, 1e7f),
              referenceBresenham(Point2(-1e7f, -1e7f), Point2(1e7f, 1e7f), kFrameWindow));
    EXPECT_EQ(drawBresenham(-1e7f, -1e7f, 1e7f, 1e7f), diagonal(1, 479));
    // Beyond any walk: the ideal line, in drawing order.
    EXPECT_EQ(drawBresenham(-1e30f, -1e30f, 1e30f, 1e30f), diagonal(1, 479));
    EXPECT_EQ(drawBresenham(1e30f, 1e30f, -1e30f, -1e30f), diagonal(479, 1));
    EXPECT_EQ(drawBresenham(-3e38f, -3e38f, 3e38f, 3e38f), diagonal(1, 479));  // dx overflows

    // A horizontal line at 240.5 rounds up to row 241 along its whole width.
    const std::vector<Pixel> row = drawBresenham(-1e30f, 240.5f, 1e30f, 240.5f);
    ASSERT_EQ(row.size(), 639u);
    for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i], (Pixel{static_cast<std::int64_t>(i) + 1, 241}));
    }
    // From inside the buffer to 1e30: starts at the start point.
    const std::vector<Pixel> ray = drawBresenham(100.3f, 200.7f, 1e30f, 200.7f);
    ASSERT_EQ(ray.size(), 540u);
    EXPECT_EQ(ray.front(), (Pixel{100, 201}));
    EXPECT_EQ(ray.back(), (Pixel{639, 201}));
    // From 1e30 into the buffer: ends at the end point.
    const std::vector<Pixel> inward = drawBresenham(-1e30f, 300.0f, 300.0f, 300.0f);
    ASSERT_FALSE(inward.empty());
    EXPECT_EQ(inward.front(), (Pixel{1, 300}));
    EXPECT_EQ(inward.back(), (Pixel{300, 300}));
    // Steep, through the origin with two rows per column: one pixel per row.
    const std::vector<Pixel> steep = drawBresenham(-5e29f, -1e30f, 5e29f, 1e30f);
    ASSERT_EQ(steep.size(), 479u);
    for (std::size_t i = 0; i < steep.size(); ++i) {
        EXPECT_EQ(steep[i].y, static_cast<std::int64_t>(i) + 1);
        EXPECT_LE(std::llabs(2 * steep[i].x - steep[i].y), 1) << steep[i].x << "," << steep[i].y;
    }
}

TEST(RasterClipping, NonFiniteEndpointsDrawNothing) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Point2 ends[] = {Point2(nan, 10), Point2(10, nan), Point2(inf, 10), Point2(10, -inf)};
    for (const Point2& bad : ends) {
        for (const Point2& good : {Point2(10, 10), Point2(10, 20), Point2(20, 10)}) {
            Recorder r;
            raster::drawDDA(bad, good, kFrameWindow, r.drawn);
            raster::drawDDA(good, bad, kFrameWindow, r.drawn);
            raster::drawBresenham(bad, good, kFrameWindow, r.drawn);
            raster::drawBresenham(good, bad, kFrameWindow, r.drawn);
            EXPECT_TRUE(r.pixels().empty());
        }
    }
}

// Any float at all, NaN, infinities and subnormals included: no undefined
// behaviour (the sanitizer build checks) and never more than a window's worth
// of pixels beyond a short whole walk.
TEST(RasterClipping, AnyFloatEndpointsAreSafeAndCheap) {
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::uint32_t> bits;
    std::uniform_int_distribution<int> exponent(-10, 127);
    const auto anyFloat = [&] {
        if (bits(rng) % 2 == 0) {
            return std::bit_cast<float>(bits(rng));
        }
        const float unit = static_cast<float>(bits(rng)) / 4294967296.0f * 2.0f - 1.0f;
        return std::ldexp(unit, exponent(rng));
    };
    for (int i = 0; i < 20000; ++i) {
        const Point2 a(anyFloat(), anyFloat());
        const Point2 b(anyFloat(), anyFloat());
        std::vector<raster::Pixel> dda;
        std::vector<raster::Pixel> bresenham;
        raster::drawDDA(a, b, kFrameWindow, dda);
        raster::drawBresenham(a, b, kFrameWindow, bresenham);
        ASSERT_LE(dda.size(), 1200u) << describe({a, b});
        ASSERT_LE(bresenham.size(), 1200u) << describe({a, b});
    }
}

TEST(RasterClipping, LongRunsAreClampedToTheWindow) {
    EXPECT_EQ(drawDDA(5.0f, -1e30f, 5.0f, 1e30f).size(), 479u);
    EXPECT_EQ(drawDDA(-1e30f, 7.0f, 1e30f, 7.0f).size(), 639u);
    EXPECT_TRUE(drawDDA(-5.0f, -1e30f, -5.0f, 1e30f).empty());
    EXPECT_TRUE(drawDDA(-1e30f, 480.0f, 1e30f, 480.0f).empty());
}

}  // namespace
}  // namespace veltro
