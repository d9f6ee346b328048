// Windows BMP files: 24-bit, and 8-bit or 4-bit palette pictures, optionally run-length encoded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lib/image.h"

namespace art {

enum class BmpCompression { None, Rle };

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& img);
// bits 8 or 4; the palette must fit (256 or 16 entries).
std::vector<std::uint8_t> EncodeBmpIndexed(const IndexedImage& img, int bits, BmpCompression compression);
// The pixel rows of an RLE8 (bits 8) or RLE4 (bits 4) picture, bottom row first.
std::vector<std::uint8_t> EncodeRle(const IndexedImage& img, int bits);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace art
