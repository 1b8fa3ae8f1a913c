#include "app/frame_buffer.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltro {
namespace {

struct Frame {
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(640 * 480, 0xFFFFFFFFu);
    FrameBuffer view{words.data(), 640, 480};
};

TEST(FrameBuffer, RejectsFirstColumnFirstRowAndOutOfRange) {
    Frame f;
    const Colour black(0, 0, 0, 255);
    const struct {
        std::int32_t x, y;
    } rejected[] = {{0, 5}, {5, 0}, {640, 5}, {5, 480}, {-1, 5}, {5, -1}, {-100000, -100000}};
    for (const auto& c : rejected) {
        f.view.setPixel(c.x, c.y, black);
    }
    for (std::uint32_t w : f.words) {
        ASSERT_EQ(w, 0xFFFFFFFFu);
    }
}

TEST(FrameBuffer, StoresBottomUpAndPacksTruncatedComponents) {
    Frame f;
    f.view.setPixel(1, 1, Colour(255, 199, 204, 255));
    EXPECT_EQ(f.words[(480 - 1) * 640 + 1], 0x00FFC7CCu);
    f.view.setPixel(639, 479, Colour(12.9f, 0.5f, 255.99f, 0));
    EXPECT_EQ(f.words[640 + 639], 0x000C00FFu);
}

TEST(FrameBuffer, ClearFillsEveryByte) {
    Frame f;
    f.view.setPixel(10, 10, Colour());
    f.view.clear();
    for (std::uint32_t w : f.words) {
        ASSERT_EQ(w, 0xFFFFFFFFu);
    }
}

}  // namespace
}  // namespace veltro
