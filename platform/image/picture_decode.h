// Decoding picture files of every kind a card set may hold: BMP, PNG and JPEG, told apart by
// their first bytes rather than by their names. Each decoder gives the same in-memory picture
// as the BMP decoder, checks the size against the same limits before it allocates the pixels,
// and refuses a malformed file with a short reason.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/image/bmp_decode.h"

// PNG: palette, grey, grey with alpha, RGB and RGBA, 1 to 16 bits per channel; transparency
// is flattened onto white, 16-bit channels are reduced to 8.
bool tkp_DecodePng(const std::uint8_t* data, std::size_t size, tkp_BmpImage* out, const char** reason);

// JPEG: baseline and progressive, grey and colour; the EXIF orientation (1 to 8) is applied so
// that the picture comes out as it should be looked at. A file cut short is refused.
bool tkp_DecodeJpeg(const std::uint8_t* data, std::size_t size, tkp_BmpImage* out, const char** reason);

// Any of the three, chosen by the file's signature.
bool tkp_DecodePictureFile(const std::uint8_t* data, std::size_t size, tkp_BmpImage* out,
                           const char** reason);
