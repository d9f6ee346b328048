// The decoders' shared buffers.
#include "platform/image/decode_buffers.h"

#include <new>
#include <utility>

namespace tkp::image {

bool DecodeBuffers::Allocate(std::int64_t w, std::int64_t h, std::size_t rawBytes, std::uint32_t fill) {
    try {
        raw.resize(rawBytes);
        pixels.assign(std::size_t(w) * std::size_t(h), fill);
    } catch (const std::bad_alloc&) {
        raw = std::vector<std::uint8_t>();
        pixels = std::vector<std::uint32_t>();
        return false;
    }
    return true;
}

void DecodeBuffers::Deliver(tkp::image::BmpImage* out, std::int64_t w, std::int64_t h, int bitsPerPixel) {
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    out->bitsPerPixel = bitsPerPixel;
    out->pixels = std::move(pixels);
}

}  // namespace tkp::image
