#include "frame_image.h"

#include <cstddef>

namespace veltro::replay {

RgbImage imageFromFrameWords(const std::vector<std::uint32_t>& words, std::uint32_t width,
                             std::uint32_t height) {
    RgbImage image;
    const std::size_t count = static_cast<std::size_t>(width) * height;
    if (words.size() != count) {
        return image;
    }
    image.width = width;
    image.height = height;
    image.rgb.resize(count * 3);
    std::size_t out = 0;
    for (const std::uint32_t w : words) {
        image.rgb[out++] = static_cast<std::uint8_t>(w >> 16);
        image.rgb[out++] = static_cast<std::uint8_t>(w >> 8);
        image.rgb[out++] = static_cast<std::uint8_t>(w);
    }
    return image;
}

RgbImage enlargedImage(const RgbImage& image, std::uint32_t factor) {
    if (factor <= 1 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        return image;
    }
    RgbImage big;
    big.width = image.width * factor;
    big.height = image.height * factor;
    big.rgb.resize(static_cast<std::size_t>(big.width) * big.height * 3);
    std::size_t out = 0;
    for (std::uint32_t y = 0; y < big.height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y / factor) * image.width * 3;
        for (std::uint32_t x = 0; x < big.width; ++x) {
            const std::size_t in = row + static_cast<std::size_t>(x / factor) * 3;
            big.rgb[out++] = image.rgb[in];
            big.rgb[out++] = image.rgb[in + 1];
            big.rgb[out++] = image.rgb[in + 2];
        }
    }
    return big;
}

}  // namespace veltro::replay
