// Windows icon files: several sizes, each a 32-bit picture with alpha and its AND mask.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

struct IconImage {
    int size = 0;                     // width and height
    std::vector<std::uint32_t> argb;  // rows top-down, 0xAARRGGBB, straight alpha
};

std::vector<std::uint8_t> EncodeIco(const std::vector<IconImage>& images);

}  // namespace art
