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
    for (std::uint32_t row = 0; row < height; ++row) {
        const std::size_t wordRow = static_cast<std::size_t>(height - 1 - row) * width;
        for (std::uint32_t x = 0; x < width; ++x) {
            const std::uint32_t w = words[wordRow + x];
            image.rgb[out++] = static_cast<std::uint8_t>(w >> 16);
            image.rgb[out++] = static_cast<std::uint8_t>(w >> 8);
            image.rgb[out++] = static_cast<std::uint8_t>(w);
        }
    }
    return image;
}

}  // namespace veltro::replay
