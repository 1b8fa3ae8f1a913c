#include "png_codec.h"

#include <png.h>

#include <cstring>

namespace veltro::replay {

// The simplified libpng interface reports errors through return values, so
// no longjmp crosses these C++ frames.

std::vector<std::uint8_t> encodePng(const RgbImage& image) {
    if (image.width == 0 || image.height == 0 ||
        image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) {
        return {};
    }
    png_image info;
    std::memset(&info, 0, sizeof info);
    info.version = PNG_IMAGE_VERSION;
    info.width = image.width;
    info.height = image.height;
    info.format = PNG_FORMAT_RGB;
    const auto stride = static_cast<png_int_32>(image.width * 3);

    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&info, nullptr, &size, 0, image.rgb.data(), stride, nullptr)) {
        png_image_free(&info);
        return {};
    }
    std::vector<std::uint8_t> bytes(size);
    if (!png_image_write_to_memory(&info, bytes.data(), &size, 0, image.rgb.data(), stride,
                                   nullptr)) {
        png_image_free(&info);
        return {};
    }
    bytes.resize(size);
    return bytes;
}

std::optional<RgbImage> decodePng(const std::vector<std::uint8_t>& bytes, std::string* error) {
    png_image info;
    std::memset(&info, 0, sizeof info);
    info.version = PNG_IMAGE_VERSION;
    const auto fail = [&]() -> std::optional<RgbImage> {
        if (error != nullptr) {
            *error = info.message;
        }
        png_image_free(&info);
        return std::nullopt;
    };
    if (!png_image_begin_read_from_memory(&info, bytes.data(), bytes.size())) {
        return fail();
    }
    // Guards the allocation below against a hostile header.
    constexpr png_uint_32 kLargestSide = 16384;
    if (info.width == 0 || info.height == 0 || info.width > kLargestSide ||
        info.height > kLargestSide) {
        std::strncpy(info.message, "image size out of range", sizeof info.message - 1);
        return fail();
    }
    info.format = PNG_FORMAT_RGB;
    RgbImage image;
    image.width = info.width;
    image.height = info.height;
    image.rgb.resize(PNG_IMAGE_SIZE(info));
    if (!png_image_finish_read(&info, nullptr, image.rgb.data(), 0, nullptr)) {
        return fail();
    }
    return image;
}

}  // namespace veltro::replay
