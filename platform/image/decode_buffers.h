// What the picture decoders built on a library share: room for the decoded pixels (and for the
// rows the library writes first) made without letting a failed allocation escape, straight alpha
// flattened onto white, and the finished pixels handed to the picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/image/bmp_decode.h"

namespace tkp::image {

struct DecodeBuffers {
    // The library's own rows, as it writes them.
    std::vector<std::uint8_t> raw;
    // 0x00RRGGBB, row by row from the top.
    std::vector<std::uint32_t> pixels;

    // Room for w x h pixels, each fill, and rawBytes bytes of rows; false (and both empty) when
    // memory runs out. Callers check w and h against the picture limits first.
    bool Allocate(std::int64_t w, std::int64_t h, std::size_t rawBytes, std::uint32_t fill = 0);
    // Hands the pixels to *out with the picture's size and stored depth.
    void Deliver(tkp::image::BmpImage* out, std::int64_t w, std::int64_t h, int bitsPerPixel);
};

// A straight (not premultiplied) alpha RGBA pixel over white, rounded, as 0x00RRGGBB.
inline std::uint32_t OverWhite(const std::uint8_t* rgba) {
    const std::uint32_t a = rgba[3];
    std::uint32_t out = 0;
    for (int c = 0; c < 3; ++c) out = (out << 8) | ((rgba[c] * a + 255 * (255 - a) + 127) / 255);
    return out;
}

}  // namespace tkp::image
