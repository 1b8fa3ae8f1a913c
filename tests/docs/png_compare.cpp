// Compares two PNG files pixel by pixel, whatever their encoding (bit depth, colour type,
// compression), so a picture counts as unchanged when it looks exactly the same.
//
// Usage: veltro_png_compare ACTUAL EXPECTED
// Exit status: 0 identical, 1 different, 2 a file could not be read.

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Image {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgba;  // row-major, top row first, 4 bytes per pixel
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// Pictures of the documentation are 640 x 480; anything far larger is not one of them and is
// refused before any memory is set aside for it.
constexpr std::uint32_t kMaxSide = 8192;

bool readPng(const char* path, Image& image, std::string& error) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file) {
        error = "cannot open";
        return false;
    }
    png_byte signature[8] = {};
    if (std::fread(signature, 1, sizeof signature, file.get()) != sizeof signature ||
        png_sig_cmp(signature, 0, sizeof signature) != 0) {
        error = "not a PNG file";
        return false;
    }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr) {
        error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "out of memory";
        return false;
    }
    // libpng reports damage by longjmp; nothing with a destructor is created between here and
    // the end of the decoding below except the vector, which is declared outside.
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = "damaged PNG data";
        return false;
    }
    png_init_io(png, file.get());
    png_set_sig_bytes(png, sizeof signature);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = "unexpected size " + std::to_string(width) + " x " + std::to_string(height);
        return false;
    }
    // Normalise every encoding to 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = "unsupported pixel layout";
        return false;
    }
    image.width = width;
    image.height = height;
    image.rgba.assign(static_cast<std::size_t>(width) * height * 4, 0);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) {
        rows[y] = image.rgba.data() + static_cast<std::size_t>(y) * width * 4;
    }
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

void printPixel(const char* label, const std::uint8_t* p) {
    std::printf("  %s rgba(%u, %u, %u, %u)\n", label, p[0], p[1], p[2], p[3]);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ACTUAL EXPECTED\n", argv[0]);
        return 2;
    }
    Image actual;
    Image expected;
    std::string error;
    if (!readPng(argv[1], actual, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 2;
    }
    if (!readPng(argv[2], expected, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], error.c_str());
        return 2;
    }
    if (actual.width != expected.width || actual.height != expected.height) {
        std::printf("size differs: %u x %u, expected %u x %u\n", actual.width, actual.height,
                    expected.width, expected.height);
        return 1;
    }
    std::size_t differing = 0;
    std::uint32_t left = actual.width;
    std::uint32_t top = actual.height;
    std::uint32_t right = 0;
    std::uint32_t bottom = 0;
    std::size_t first = 0;
    for (std::uint32_t y = 0; y < actual.height; ++y) {
        for (std::uint32_t x = 0; x < actual.width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * actual.width + x) * 4;
            if (std::memcmp(&actual.rgba[at], &expected.rgba[at], 4) == 0) {
                continue;
            }
            if (differing == 0) {
                first = at;
            }
            ++differing;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (differing == 0) {
        return 0;
    }
    const std::size_t firstPixel = first / 4;
    std::printf("%zu of %zu pixels differ, within x %u..%u, y %u..%u; first at (%zu, %zu):\n",
                differing, static_cast<std::size_t>(actual.width) * actual.height, left, right, top,
                bottom, firstPixel % actual.width, firstPixel / actual.width);
    printPixel("actual  ", &actual.rgba[first]);
    printPixel("expected", &expected.rgba[first]);
    return 1;
}
