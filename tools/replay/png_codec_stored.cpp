// The PNG writer for builds without libpng (WebAssembly): the image data is
// stored, not compressed. The pictures are the same pixel for pixel; only
// the files are larger. Reading PNG needs libpng.

#include <array>
#include <string>

#include "png_codec.h"

namespace veltro::replay {

namespace {

std::array<std::uint32_t, 256> crcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void putChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    static const std::array<std::uint32_t, 256> table = crcTable();
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = start; i < out.size(); ++i) {
        crc = table[(crc ^ out[i]) & 0xFF] ^ (crc >> 8);
    }
    putBigEndian(out, crc ^ 0xFFFFFFFFu);
}

// A zlib stream of stored deflate blocks.
std::vector<std::uint8_t> storedZlib(const std::vector<std::uint8_t>& raw) {
    constexpr std::size_t kBlock = 65535;
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.push_back(static_cast<std::uint8_t>(~length));
        out.push_back(static_cast<std::uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    putBigEndian(out, (b << 16) | a);
    return out;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const RgbImage& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    if (image.width == 0 || image.height == 0 || image.rgb.size() != rowBytes * image.height) {
        return {};
    }
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * image.height);
    for (std::uint32_t row = 0; row < image.height; ++row) {
        raw.push_back(0);  // no filter
        const auto begin = image.rgb.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
        raw.insert(raw.end(), begin, begin + static_cast<std::ptrdiff_t>(rowBytes));
    }
    std::vector<std::uint8_t> header;
    putBigEndian(header, image.width);
    putBigEndian(header, image.height);
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB, not interlaced

    std::vector<std::uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", storedZlib(raw));
    putChunk(png, "IEND", {});
    return png;
}

std::optional<RgbImage> decodePng(const std::vector<std::uint8_t>&, std::string* error) {
    if (error != nullptr) {
        *error = "this build reads no PNG files";
    }
    return std::nullopt;
}

}  // namespace veltro::replay
