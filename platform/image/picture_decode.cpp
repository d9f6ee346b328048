// The picture decoder for files: the signature chooses BMP, PNG or JPEG.
#include "platform/image/picture_decode.h"

#include <cstring>

bool tkp_DecodePictureFile(const std::uint8_t* data, std::size_t size, tkp_BmpImage* out,
                           const char** reason) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (data && size >= 8 && std::memcmp(data, kPng, 8) == 0) return tkp_DecodePng(data, size, out, reason);
    if (data && size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return tkp_DecodeJpeg(data, size, out, reason);
    // Anything else is left to the BMP decoder, which names what is wrong with it.
    return tkp_DecodeBmpFile(data, size, out, reason);
}
