// Writing pictures as PNG files (screenshots, thumbnails).
#pragma once

#include <cstdint>

#include "platform/pixels/pixel_view.h"

namespace tkp::image {

// Writes width x height pixels (0x00RRGGBB, top-down rows, strideInPixels apart) as an 8-bit RGB
// PNG. The file is written beside the target under a temporary name and renamed into place, so
// a failed write leaves any earlier file untouched and creates nothing. True on success.
bool WritePng(const char* path, int width, int height, const std::uint32_t* xrgb, int strideInPixels);
// The same for 5-6-5 pixels (a surface's, a presented frame's), each channel widened to 8 bits.
bool WritePng565(const char* path, const tkp::pixels::PixelView& pixels);

}  // namespace tkp::image
