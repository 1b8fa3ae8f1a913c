#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame_image.h"

namespace veltro::replay {

// An 8-bit RGB PNG of the image; empty on failure.
std::vector<std::uint8_t> encodePng(const RgbImage& image);

// Any PNG libpng reads, converted to 8-bit RGB; nothing if it is not one.
std::optional<RgbImage> decodePng(const std::vector<std::uint8_t>& bytes, std::string* error);

}  // namespace veltro::replay
