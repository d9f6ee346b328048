// Plain 8-bit pictures as the file writers take them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace art {

// Rows top-down, pixels 0x00RRGGBB.
struct RgbImage {
    int w = 0, h = 0;
    std::vector<std::uint32_t> px;
    RgbImage() = default;
    RgbImage(int width, int height, std::uint32_t fill = 0)
        : w(width), h(height), px(static_cast<std::size_t>(width) * height, fill) {}
    std::uint32_t& At(int x, int y) { return px[static_cast<std::size_t>(y) * w + x]; }
    std::uint32_t At(int x, int y) const { return px[static_cast<std::size_t>(y) * w + x]; }
};

// Rows top-down, one palette index per pixel.
struct IndexedImage {
    int w = 0, h = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> idx;
    std::uint8_t At(int x, int y) const { return idx[static_cast<std::size_t>(y) * w + x]; }
};

// Reduces a picture to at most `colours` colours (median cut, nearest colour; deterministic).
IndexedImage Quantize(const RgbImage& img, int colours);

}  // namespace art
