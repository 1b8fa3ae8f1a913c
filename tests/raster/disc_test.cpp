#include "raster/disc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "raster/frame_buffer.h"

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

TEST(DrawDisc, RadiusTenDiscPaintsItsKnownShape) {
    Frame f;
    raster::drawDisc(f.view, Point2(100, 100), 10.0f, Colour(255, 199, 204, 255));
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
            ASSERT_EQ(f.view.at(x, row), 0xFFFFC7CCu) << x << "," << row;
        }
    }
}

TEST(DrawDisc, FarAwayPaintsNothing) {
    Frame far;
    raster::drawDisc(far.view, Point2(1e30f, -1e30f), 10.0f, Colour());
    int count = 0;
    far.rowExtents(&count);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace veltro
