// Decoding picture files of every kind a card set may hold: BMP, PNG, JPEG, GIF, WebP and
// HEIC/HEIF, told apart by their first bytes rather than by their names. Each decoder gives the
// same in-memory picture as the BMP decoder, checks the size against the same limits before it
// allocates the pixels, and refuses a malformed file with a short reason. Transparent pixels are
// flattened onto white.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/image/bmp_decode.h"

namespace tkp::image {

// The reason given for bytes that are no picture kind known here (as opposed to a damaged one).
inline constexpr const char* kUnknownPictureKind = "unknown picture kind";

// PNG: palette, grey, grey with alpha, RGB and RGBA, 1 to 16 bits per channel; 16-bit channels are
// reduced to 8.
bool DecodePng(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

// JPEG: baseline and progressive, grey, colour, CMYK and YCCK; the EXIF orientation (1 to 8) is
// applied so that the picture comes out as it should be looked at. A file cut short is refused.
// With a cover size, a large picture may come out reduced by the decoder itself (to 1/8 ... 7/8 of
// its size, aspect kept) as long as it still covers coverW x coverH once turned upright.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason,
                int coverW = 0, int coverH = 0);

// GIF: the first picture of the file on its logical screen; the rest of the screen is white.
bool DecodeGif(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

// WebP: lossy and lossless, with or without alpha; of an animation, nothing (refused).
bool DecodeWebp(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

// HEIC/HEIF: the primary picture, turned and mirrored as the file says.
bool DecodeHeif(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason);

// Any of them, chosen by the file's signature; bytes that match none and are no BMP either are
// refused with kUnknownPictureKind. The cover size is passed to the decoders that can use it.
bool DecodePictureFile(const std::uint8_t* data, std::size_t size, BmpImage* out, const char** reason,
                       int coverW = 0, int coverH = 0);

}  // namespace tkp::image
