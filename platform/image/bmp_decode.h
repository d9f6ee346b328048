// Decoding BMP pictures from memory. Every malformed picture is refused with a short reason and
// nothing is read outside the bytes given. Accepted: 1, 4, 8, 16, 24 and 32 bits per pixel;
// uncompressed, RLE8, RLE4 and bit fields; bottom-up and top-down rows; the OS/2 core header (12
// bytes) and the info headers of 40, 52, 56, 108 and 124 bytes.
// Choices for damaged but readable pictures: a pixel index past the palette is black, pixels that
// RLE data skips (deltas, early line or picture ends) are black, and a palette that the pixel
// data offset cuts short is read as far as it goes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tkp::image {

// Largest side and largest number of pixels accepted (a fuzzing build may lower the latter).
constexpr int kBmpMaxSide = 16384;
#ifdef TKP_BMP_MAX_PIXELS
constexpr std::int64_t kBmpMaxPixels = TKP_BMP_MAX_PIXELS;
#else
constexpr std::int64_t kBmpMaxPixels = std::int64_t{64} << 20;
#endif

// A decoded picture: 0x00RRGGBB pixels in top-down rows.
struct BmpImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;  // as the picture stores it
    std::vector<std::uint32_t> pixels;
};

// A BMP file: the 14-byte file header ("BM", pixel data offset), then the bitmap. On failure
// returns false, leaves *out empty and sets *reason (when given) to a short static text.
bool DecodeBmpFile(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

// A packed bitmap as a bitmap resource holds it: the info header, the bit-field masks of a
// 40-byte header, the palette, then the pixels directly after them.
bool DecodeDib(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

}  // namespace tkp::image
