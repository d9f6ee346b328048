// Pictures stored the way today's cameras and the web store them: JPEG and PNG files in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/lib/image.h"

namespace art {

struct JpegOptions {
    int quality = 90;
    bool progressive = false;
    bool grey = false;
    // 1 stores the picture as it is; 6 stores it turned a quarter anticlockwise with the EXIF
    // tag that turns it back, as a phone held on its side does.
    int orientation = 1;
};

// The picture in grey (Rec. 601 luma), as a camera's grey mode and a grey JPEG keep it.
RgbImage Greyed(const RgbImage& img);

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& img, const JpegOptions& options);
// 8-bit RGB.
std::vector<std::uint8_t> EncodePngRgb(const RgbImage& img);
// 8-bit palette of the indexed picture's colours.
std::vector<std::uint8_t> EncodePngPalette(const IndexedImage& img);
// 8-bit RGBA: pixels 0xAARRGGBB, straight alpha.
std::vector<std::uint8_t> EncodePngRgba(int w, int h, const std::vector<std::uint32_t>& argb);

}  // namespace art
