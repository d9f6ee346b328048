// The parts of a BMP picture's header that decoding needs; internal to the BMP decoder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tkp::image::bmp {

constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// One colour channel of a 16- or 32-bit pixel: mask, its lowest bit and its largest value.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint64_t max = 1;
};

struct Layout {
    int width = 0;
    int height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    Channel channels[3];           // red, green, blue for 16 and 32 bits
    std::uint32_t palette[256]{};  // entries past the stored ones stay black
    std::size_t pixelOffset = 0;   // from the start of the buffer
};

inline std::uint32_t u16(const std::uint8_t* p) {
    return p[0] | (std::uint32_t{p[1]} << 8);
}
inline std::uint32_t u32(const std::uint8_t* p) {
    return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

// The pixel offset of a packed bitmap, whose pixels follow its palette.
constexpr std::size_t kPacked = SIZE_MAX;

// Reads the headers at data[dibStart]. fileOffset is the file header's pixel data offset, or
// kPacked. False with *reason on a malformed header.
bool parseLayout(const std::uint8_t* data, std::size_t size, std::size_t dibStart, std::size_t fileOffset,
                 Layout* out, const char** reason);

// Fills pixels (width * height, zero) from uncompressed rows, or from RLE data.
bool decodeRows(const std::uint8_t* data, std::size_t size, const Layout& layout, std::uint32_t* pixels,
                const char** reason);
bool decodeRle(const std::uint8_t* data, std::size_t size, const Layout& layout, std::uint32_t* pixels,
               const char** reason);

}  // namespace tkp::image::bmp
