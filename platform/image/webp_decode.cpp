// WebP pictures through libwebp: the features first, so that the size is checked before anything
// is allocated, then the pixels as RGBA into our own buffer, flattened onto white.
#include <webp/decode.h>

#include <new>
#include <vector>

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
    std::vector<std::uint8_t> rgba;
    std::vector<std::uint32_t> pixels;
    try {
        rgba.resize(std::size_t(w) * std::size_t(h) * 4);
        pixels.resize(std::size_t(w) * std::size_t(h));
    } catch (const std::bad_alloc&) {
        return fail(reason, "out of memory");
    }
    if (!WebPDecodeRGBAInto(data, size, rgba.data(), rgba.size(), static_cast<int>(w) * 4))
        return fail(reason, "malformed WebP data");
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[4 * i];
        const std::uint32_t a = p[3];
        std::uint32_t colour = 0;
        for (int c = 0; c < 3; ++c) colour = (colour << 8) | ((p[c] * a + 255 * (255 - a) + 127) / 255);
        pixels[i] = colour;
    }
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    out->bitsPerPixel = features.has_alpha ? 32 : 24;
    out->pixels = std::move(pixels);
    return true;
}
