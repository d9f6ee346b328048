// Uncompressed BMP rows: palette indices of 1, 4 and 8 bits, and 16, 24 and 32-bit colours.
#include "platform/image/bmp_layout.h"

namespace tkp::image::bmp {

namespace {

// A channel value of any width widened to 8 bits, rounded to the nearest.
std::uint32_t widen(std::uint32_t pixel, const Channel& c) {
    const std::uint64_t v = (pixel & c.mask) >> c.shift;
    return static_cast<std::uint32_t>((v * 255 + c.max / 2) / c.max);
}

std::uint32_t fromFields(std::uint32_t pixel, const Channel* c) {
    return (widen(pixel, c[0]) << 16) | (widen(pixel, c[1]) << 8) | widen(pixel, c[2]);
}

// One stored row into one row of 0x00RRGGBB pixels.
void convertRow(const std::uint8_t* src, const Layout& layout, std::uint32_t* dst) {
    const int w = layout.width;
    switch (layout.bitsPerPixel) {
        case 1:
            for (int x = 0; x < w; ++x) dst[x] = layout.palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            break;
        case 4:
            for (int x = 0; x < w; ++x) dst[x] = layout.palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF];
            break;
        case 8:
            for (int x = 0; x < w; ++x) dst[x] = layout.palette[src[x]];
            break;
        case 16:
            for (int x = 0; x < w; ++x) dst[x] = fromFields(u16(src + 2 * x), layout.channels);
            break;
        case 24:
            for (int x = 0; x < w; ++x) {
                const std::uint8_t* p = src + 3 * x;
                dst[x] = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
            }
            break;
        default:
            for (int x = 0; x < w; ++x) dst[x] = fromFields(u32(src + 4 * x), layout.channels);
            break;
    }
}

}  // namespace

bool decodeRows(const std::uint8_t* data, std::size_t size, const Layout& layout, std::uint32_t* pixels,
                const char** reason) {
    const std::uint64_t bits = std::uint64_t(layout.width) * std::uint64_t(layout.bitsPerPixel);
    const std::uint64_t stride = (bits + 31) / 32 * 4;
    const std::uint64_t rowBytes = (bits + 7) / 8;
    // Every row must be there; the last row's padding may be missing.
    const std::uint64_t need = stride * std::uint64_t(layout.height - 1) + rowBytes;
    if (layout.pixelOffset > size || size - layout.pixelOffset < need) {
        if (reason) *reason = "pixel data shorter than its rows";
        return false;
    }
    const std::uint8_t* base = data + layout.pixelOffset;
    for (int r = 0; r < layout.height; ++r) {
        const int y = layout.topDown ? r : layout.height - 1 - r;
        convertRow(base + stride * std::uint64_t(r), layout,
                   pixels + std::size_t(y) * std::size_t(layout.width));
    }
    return true;
}

}  // namespace tkp::image::bmp
