// The picture decoder for files: the signature chooses the decoder.
#include "platform/image/picture_decode.h"

#include <cstring>

namespace {

bool startsWith(const std::uint8_t* data, std::size_t size, std::size_t at, const char* text) {
    const std::size_t n = std::strlen(text);
    return size >= at + n && std::memcmp(data + at, text, n) == 0;
}

}  // namespace

bool tkp::image::DecodePictureFile(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                                   const char** reason, int coverW, int coverH) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (!data) {
        *out = tkp::image::BmpImage{};
        if (reason) *reason = tkp::image::kUnknownPictureKind;
        return false;
    }
    if (size >= 8 && std::memcmp(data, kPng, 8) == 0) return tkp::image::DecodePng(data, size, out, reason);
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8)
        return tkp::image::DecodeJpeg(data, size, out, reason, coverW, coverH);
    if (startsWith(data, size, 0, "GIF87a") || startsWith(data, size, 0, "GIF89a"))
        return tkp::image::DecodeGif(data, size, out, reason);
    if (startsWith(data, size, 0, "RIFF") && startsWith(data, size, 8, "WEBP"))
        return tkp::image::DecodeWebp(data, size, out, reason);
    // An ISO base media file: HEIF and its relatives begin with an "ftyp" box.
    if (startsWith(data, size, 4, "ftyp")) return tkp::image::DecodeHeif(data, size, out, reason);
    if (startsWith(data, size, 0, "BM")) return tkp::image::DecodeBmpFile(data, size, out, reason);
    *out = tkp::image::BmpImage{};
    if (reason) *reason = tkp::image::kUnknownPictureKind;
    return false;
}
