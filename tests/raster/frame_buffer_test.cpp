#include "raster/frame_buffer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace veltro {
namespace {

struct Frame {
    std::vector<std::uint32_t> words = std::vector<std::uint32_t>(640 * 480, 0xFFFFFFFFu);
    FrameBuffer view{words.data(), 640, 480};

    int changedWords() const {
        int n = 0;
        for (std::uint32_t w : words) {
            n += w != 0xFFFFFFFFu ? 1 : 0;
        }
        return n;
    }
};

TEST(FrameBuffer, RejectsFirstColumnFirstRowAndOutOfRange) {
    const struct {
        std::int32_t x, y;
    } rejected[] = {{0, 5},  {5, 0},  {0, 0},   {640, 5},       {5, 480},
                    {-1, 5}, {5, -1}, {641, 1}, {1, 100000000}, {-100000, -100000}};
    for (const auto& c : rejected) {
        Frame f;
        f.view.setPixel(c.x, c.y, Colour());
        EXPECT_EQ(f.changedWords(), 0) << c.x << "," << c.y;
    }
}

TEST(FrameBuffer, StoresTopDown) {
    const struct {
        std::uint32_t x, y;
        std::size_t word;
    } cases[] = {
        {1, 1, 1},                    // top row of the image, second column
        {639, 479, 478 * 640 + 639},  // second row from the bottom, last column
        {320, 240, 239 * 640 + 320},
    };
    for (const auto& c : cases) {
        Frame f;
        f.view.setPixel(c.x, c.y, Colour());
        EXPECT_EQ(f.words[c.word], 0xFF000000u) << c.x << "," << c.y;
        EXPECT_EQ(f.changedWords(), 1);
        EXPECT_EQ(f.view.at(c.x, c.y), 0xFF000000u);
    }
}

TEST(FrameBuffer, PacksTruncatedComponentsOpaqueWhateverTheAlpha) {
    const struct {
        Colour colour;
        std::uint32_t word;
    } cases[] = {
        {Colour(255, 199, 204, 255), 0xFFFFC7CCu},
        {Colour(12.9f, 0.5f, 255.99f, 0), 0xFF0C00FFu},
        {Colour(255, 80, 72, 17), 0xFFFF5048u},
        {Colour(0, 0, 0, 255), 0xFF000000u},
    };
    for (const auto& c : cases) {
        Frame f;
        f.view.setPixel(7, 9, c.colour);
        EXPECT_EQ(f.view.at(7, 9), c.word);
    }
}

TEST(FrameBuffer, ClearFillsEveryByte) {
    Frame f;
    for (std::uint32_t i = 1; i < 480; ++i) {
        f.view.setPixel(i, i, Colour());
    }
    f.view.clear();
    EXPECT_EQ(f.changedWords(), 0);
}

TEST(FrameBuffer, ReadsOutsideTheImageAsWhite) {
    Frame f;
    f.words.assign(f.words.size(), 0u);
    EXPECT_EQ(f.view.at(0, 480), 0u);  // bottom-left word exists
    EXPECT_EQ(f.view.at(640, 5), 0xFFFFFFFFu);
    EXPECT_EQ(f.view.at(5, 0), 0xFFFFFFFFu);
    EXPECT_EQ(f.view.at(5, 481), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace veltro
