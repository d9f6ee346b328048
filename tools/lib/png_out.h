// PNG output: the contact sheet (8-bit RGB) and the installed icons (8-bit RGBA), through libpng.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lib/image.h"

namespace art {

bool WritePng(const std::string& path, const RgbImage& img);
// Rows top-down, pixels 0xAARRGGBB with straight alpha.
bool WritePngArgb(const std::string& path, int w, int h, const std::vector<std::uint32_t>& argb);

}  // namespace art
