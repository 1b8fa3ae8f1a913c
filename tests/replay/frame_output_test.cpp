#include <gtest/gtest.h>

#include "frame_image.h"
#include "png_codec.h"
#include "raster/frame_buffer.h"
#include "segments_text.h"

namespace veltro::replay {
namespace {

TEST(FrameImage, ShowsTheBufferAsItIs) {
    std::vector<std::uint32_t> words(640 * 480, 0xFFFFFFFFu);
    FrameBuffer frame(words.data(), 640, 480);
    frame.setPixel(5u, 1u, Colour(1, 2, 3, 255));      // top row of the picture
    frame.setPixel(639u, 479u, Colour(4, 5, 6, 255));  // the lowest row setPixel reaches
    words[479 * 640 + 7] = 0xFFABCDEFu;                // the bottom row, never drawn
    const RgbImage image = imageFromFrameWords(words, 640, 480);
    ASSERT_EQ(image.rgb.size(), 640u * 480u * 3u);
    const auto pixel = [&](std::size_t x, std::size_t row) {
        const std::size_t i = (row * 640 + x) * 3;
        return std::array<int, 3>{image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]};
    };
    EXPECT_EQ(pixel(5, 0), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(pixel(639, 478), (std::array<int, 3>{4, 5, 6}));
    EXPECT_EQ(pixel(7, 479), (std::array<int, 3>{0xAB, 0xCD, 0xEF}));
    EXPECT_EQ(pixel(0, 0), (std::array<int, 3>{255, 255, 255}));
}

TEST(PngCodec, RoundTripsEveryByte) {
    RgbImage image;
    image.width = 7;
    image.height = 3;
    for (int i = 0; i < 7 * 3 * 3; ++i) {
        image.rgb.push_back(static_cast<std::uint8_t>(i * 37));
    }
    const std::vector<std::uint8_t> png = encodePng(image);
    ASSERT_FALSE(png.empty());
    std::string error;
    const auto decoded = decodePng(png, &error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_EQ(*decoded, image);
}

TEST(PngCodec, RejectsWhatIsNotAPng) {
    std::string error;
    EXPECT_FALSE(decodePng({}, &error));
    EXPECT_FALSE(decodePng({'n', 'o', 't', ' ', 'p', 'n', 'g'}, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(encodePng(RgbImage{}).empty());
}

TEST(SegmentsText, OneLinePerSegmentWithNineSignificantDigits) {
    FrameReport report;
    report.polylines = {
        {Colour(155, 155, 155, 255),
         {Point2(1.5f, -2.0f), Point2(0.1f, 1e20f), Point2(7.0f, 8.0f)}},
        {Colour(0, 0, 255, 0), {Point2(3.0f, 4.0f), Point2(5.0f, 6.0f)}},
    };
    EXPECT_EQ(segmentsText(report),
              "1.5 -2 0.100000001 1.00000002e+20 155 155 155 255\n"
              "0.100000001 1.00000002e+20 7 8 155 155 155 255\n"
              "3 4 5 6 0 0 255 0\n");
    EXPECT_EQ(segmentsText({}), "");
}

}  // namespace
}  // namespace veltro::replay
