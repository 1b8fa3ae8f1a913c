#pragma once

#include <cstdint>
#include <vector>

namespace veltro::replay {

// An 8-bit RGB picture, rows top first, as a window shows it.
struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes

    friend bool operator==(const RgbImage&, const RgbImage&) = default;
};

// The frame buffer's 0xFFRRGGBB words, top row first, without their alpha.
RgbImage imageFromFrameWords(const std::vector<std::uint32_t>& words, std::uint32_t width,
                             std::uint32_t height);

// Every pixel as a factor x factor block: enlarged without smoothing, so
// each frame pixel stays crisp.
RgbImage enlargedImage(const RgbImage& image, std::uint32_t factor);

}  // namespace veltro::replay
