// PNG pictures through libpng's simplified reading interface: the header first, so that the size
// is checked before anything is allocated, then the pixels as 8-bit RGBA flattened onto white.
#include <png.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "platform/image/decode_buffers.h"
#include "platform/image/picture_decode.h"

namespace {

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

// Frees libpng's state however the decoding ends.
struct ImageGuard {
    png_image* image;
    ~ImageGuard() { png_image_free(image); }
};

}  // namespace

bool tkp::image::DecodePng(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                           const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 8 || png_sig_cmp(data, 0, 8) != 0) return fail(reason, "not a PNG file");
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ImageGuard guard{&image};
    if (!png_image_begin_read_from_memory(&image, data, size)) return fail(reason, "malformed PNG header");
    const std::int64_t w = image.width;
    const std::int64_t h = image.height;
    if (w <= 0 || h <= 0) return fail(reason, "zero or negative size");
    if (w > tkp::image::kBmpMaxSide || h > tkp::image::kBmpMaxSide || w * h > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");

    // Deflate packs at best about 1032 bytes into one: a file far smaller than its rows (a filter
    // byte and the packed samples each) cannot hold them, and is refused before its memory is taken.
    const std::uint64_t depth = data[24], channels = (data[25] & 2 ? 3 : 1) + (data[25] & 4 ? 1 : 0);
    const std::uint64_t rowBytes = (std::uint64_t(w) * depth * (data[25] == 3 ? 1 : channels) + 7) / 8 + 1;
    if (std::uint64_t{size} * 1032 < rowBytes * std::uint64_t(h))
        return fail(reason, "PNG data too short for its size");

    image.format = PNG_FORMAT_RGBA;
    // A 16-bit file without colour-space chunks holds sRGB values like an 8-bit one, not linear ones.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    tkp::image::DecodeBuffers b;
    if (!b.Allocate(w, h, std::size_t(w) * std::size_t(h) * 4)) return fail(reason, "out of memory");
    if (!png_image_finish_read(&image, nullptr, b.raw.data(), 0, nullptr))
        return fail(reason, "malformed PNG data");
    // A stream that ends before its last row is only a warning to libpng; the rows would be blank.
    if ((image.warning_or_error & PNG_IMAGE_WARNING) && std::strstr(image.message, "Not enough image data"))
        return fail(reason, "PNG data cut short");
    for (std::size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = tkp::image::OverWhite(&b.raw[4 * i]);
    b.Deliver(out, w, h, 24);
    return true;
}
