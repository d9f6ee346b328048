// The orientation tag of a JPEG's EXIF block, and turning a picture by it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/image/bmp_decode.h"

namespace tkp::image {

// The orientation (1 to 8) that an APP1 segment's payload ("Exif\0\0" and a TIFF block) gives
// for its first picture; 1 (as stored) when the payload is no EXIF block, has no such tag or
// holds a value out of range. Reads nothing outside the payload.
int ExifOrientation(const std::uint8_t* payload, std::size_t size);

// Turns and mirrors the picture so that one stored with this orientation comes out upright.
// Orientations 5 to 8 swap width and height. False (picture unchanged) when out of memory.
bool ApplyOrientation(BmpImage* image, int orientation);

}  // namespace tkp::image
