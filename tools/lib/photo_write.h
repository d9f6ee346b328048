// Pictures stored the way today's cameras and the web store them: JPEG and PNG files in memory.
// The tools store the bundled animals with them, and the tests make their fixtures with them.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/lib/image.h"

namespace art {

struct JpegOptions {
    int quality = 90;
    bool progressive = false;
    bool grey = false;
    // The EXIF orientation tag written (1 to 8), with its block in Motorola byte order when
    // bigEndian; 0 writes no EXIF block. The pixels are stored as given.
    int orientation = 0;
    bool bigEndian = false;
};

// The picture in grey (Rec. 601 luma), as a camera's grey mode and a grey JPEG keep it.
RgbImage Greyed(const RgbImage& img);
// The picture turned a quarter anticlockwise: stored so, EXIF orientation 6 shows it upright.
RgbImage TurnedAnticlockwise(const RgbImage& img);
// The payload of an EXIF APP1 segment whose IFD0 holds only the orientation tag.
std::vector<std::uint8_t> ExifPayload(int orientation, bool bigEndian);

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& img, const JpegOptions& options);

// A PNG of raw rows as the format stores them (packed samples, 16-bit ones big-endian), of a
// libpng colour type (PNG_COLOR_TYPE_...) and bit depth, with a palette of 0x00RRGGBB entries
// and its alpha values (tRNS) for palette pictures. Empty on a writer error.
std::vector<std::uint8_t> EncodePng(int w, int h, int colourType, int bitDepth,
                                    const std::vector<std::uint8_t>& rows,
                                    const std::vector<std::uint32_t>& palette = {},
                                    const std::vector<std::uint8_t>& alpha = {});

}  // namespace art
