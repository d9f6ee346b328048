// PNG output for the contact sheet (8-bit RGB through libpng).
#pragma once

#include <string>

#include "tools/lib/image.h"

namespace art {

bool WritePng(const std::string& path, const RgbImage& img);

}  // namespace art
