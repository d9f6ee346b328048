// Writing pictures as PNG files (screenshots, thumbnails).
#pragma once

#include <cstdint>

// Writes width x height pixels (0x00RRGGBB, top-down rows, strideInPixels apart) as an 8-bit RGB
// PNG. The file is written beside the target under a temporary name and renamed into place, so
// a failed write leaves any earlier file untouched and creates nothing. True on success.
bool tkp_WritePng(const char* path, int width, int height, const std::uint32_t* xrgb, int strideInPixels);
