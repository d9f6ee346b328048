// A block of 16-bit RGB 5-6-5 pixels in memory someone else owns: a surface's, or a scratch copy.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tkp::pixels {

// pitch is counted in pixels.
struct PixelView {
    std::uint16_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    std::uint16_t* Row(int y) const { return pixels + static_cast<std::ptrdiff_t>(y) * pitch; }
};

}  // namespace tkp::pixels
