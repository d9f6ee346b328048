// The two ways into the BMP decoder: a whole file, or a packed bitmap from a resource.
#include "platform/image/bmp_decode.h"

#include <new>

#include "platform/image/bmp_layout.h"

namespace {

bool decode(const std::uint8_t* data, std::size_t size, std::size_t dibStart, std::size_t fileOffset,
            tkp::image::BmpImage* out, const char** reason) {
    tkp::image::bmp::Layout layout;
    if (!tkp::image::bmp::parseLayout(data, size, dibStart, fileOffset, &layout, reason)) return false;
    std::vector<std::uint32_t> pixels;
    try {
        pixels.assign(std::size_t(layout.width) * std::size_t(layout.height), 0);
    } catch (const std::bad_alloc&) {
        if (reason) *reason = "out of memory";
        return false;
    }
    const bool rle =
        layout.compression == tkp::image::bmp::kRle8 || layout.compression == tkp::image::bmp::kRle4;
    const bool ok = rle ? tkp::image::bmp::decodeRle(data, size, layout, pixels.data(), reason)
                        : tkp::image::bmp::decodeRows(data, size, layout, pixels.data(), reason);
    if (!ok) return false;
    out->width = layout.width;
    out->height = layout.height;
    out->bitsPerPixel = layout.bitsPerPixel;
    out->pixels = std::move(pixels);
    return true;
}

}  // namespace

bool tkp::image::DecodeBmpFile(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                               const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 14) {
        if (reason) *reason = "truncated file header";
        return false;
    }
    if (data[0] != 'B' || data[1] != 'M') {
        if (reason) *reason = "not a BMP file";
        return false;
    }
    return decode(data, size, 14, tkp::image::bmp::u32(data + 10), out, reason);
}

bool tkp::image::DecodeDib(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                           const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data) {
        if (reason) *reason = "truncated header";
        return false;
    }
    return decode(data, size, 0, tkp::image::bmp::kPacked, out, reason);
}
