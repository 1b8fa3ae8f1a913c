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

}  // namespace veltro::replay
