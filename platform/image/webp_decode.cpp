// WebP pictures through libwebp: the features first, so that the size is checked before anything
// is allocated, then the pixels as RGBA into our own buffer, flattened onto white.
#include <webp/decode.h>

#include <new>
#include <vector>

#include "platform/image/decode_buffers.h"
#include "platform/image/picture_decode.h"

namespace {

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

}  // namespace

bool tkp::image::DecodeWebp(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                            const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 12) return fail(reason, "not a WebP file");
    WebPBitstreamFeatures features{};
    if (WebPGetFeatures(data, size, &features) != VP8_STATUS_OK) return fail(reason, "malformed WebP header");
    if (features.has_animation) return fail(reason, "animated WebP");
    const std::int64_t w = features.width;
    const std::int64_t h = features.height;
    if (w <= 0 || h <= 0) return fail(reason, "zero or negative size");
    if (w > tkp::image::kBmpMaxSide || h > tkp::image::kBmpMaxSide || w * h > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    tkp::image::DecodeBuffers b;
    if (!b.Allocate(w, h, std::size_t(w) * std::size_t(h) * 4)) return fail(reason, "out of memory");
    if (!WebPDecodeRGBAInto(data, size, b.raw.data(), b.raw.size(), static_cast<int>(w) * 4))
        return fail(reason, "malformed WebP data");
    for (std::size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = tkp::image::OverWhite(&b.raw[4 * i]);
    b.Deliver(out, w, h, features.has_alpha ? 32 : 24);
    return true;
}
