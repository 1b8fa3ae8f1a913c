#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "geometry/colour.h"
#include "geometry/float_to_int.h"
#include "geometry/frame_size.h"

namespace veltro {

// A non-owning view of 32-bit 0xFFRRGGBB words in top-down rows, the layout
// every toolkit shows as is: pixel (x, y) is word (y - 1) * width + x. The host
// owns the memory.
class FrameBuffer {
  public:
    static constexpr std::uint32_t kWidth = kFrameWidth;
    static constexpr std::uint32_t kHeight = kFrameHeight;

    FrameBuffer(std::uint32_t* pixels, std::uint32_t width, std::uint32_t height)
        : pixels_(pixels), width_(width), height_(height) {}

    std::uint32_t width() const { return width_; }
    std::uint32_t height() const { return height_; }
    std::uint32_t* pixels() { return pixels_; }
    const std::uint32_t* pixels() const { return pixels_; }

    // Column 0 and row 0 are never written; the comparisons are unsigned, so
    // a negative coordinate wraps and is rejected as well. Components are
    // truncated, not clamped.
    void setPixel(std::uint32_t x, std::uint32_t y, const Colour& colour) {
        setWord(x, y, wordFor(colour));
    }

    // The word setPixel writes for `colour`; a walk that paints many pixels
    // in one colour forms it once and hands it to setWord.
    static std::uint32_t wordFor(const Colour& colour) {
        const auto component = [](float v) {
            return static_cast<std::uint32_t>(truncToInt(static_cast<double>(v)));
        };
        return kOpaque | (component(colour.r) << 16) | (component(colour.g) << 8) |
               component(colour.b);
    }

    // setPixel with the word already formed.
    void setWord(std::uint32_t x, std::uint32_t y, std::uint32_t word) {
        if (x >= width_ || x == 0 || y >= height_ || y == 0) {
            return;
        }
        pixels_[static_cast<std::size_t>(y - 1) * width_ + x] = word;
    }

    // The same for signed pixel positions as the rasterizers produce them.
    void setPixel(std::int32_t x, std::int32_t y, const Colour& colour) {
        setPixel(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), colour);
    }

    // Every byte 0xFF: opaque white.
    void clear() {
        std::memset(pixels_, 0xFF, static_cast<std::size_t>(width_) * height_ * sizeof(*pixels_));
    }

    // The word that setPixel(x, y) writes, for readers of the buffer. Also
    // reads the never-written column 0 and bottom row (y = height); positions
    // beyond the image read as white.
    std::uint32_t at(std::uint32_t x, std::uint32_t y) const {
        if (x >= width_ || y == 0 || y > height_) {
            return 0xFFFFFFFFu;
        }
        return pixels_[static_cast<std::size_t>(y - 1) * width_ + x];
    }

  private:
    // Set in every word so a host's toolkit, which may read the top byte as
    // alpha, shows drawn pixels as opaque as the white background.
    static constexpr std::uint32_t kOpaque = 0xFF000000u;

    std::uint32_t* pixels_;
    std::uint32_t width_;
    std::uint32_t height_;
};

}  // namespace veltro
