// BMP headers: sizes, depth, compression, bit-field masks and palette, all checked against the
// bytes that are really there.
#include <bit>

#include "platform/image/bmp_decode.h"
#include "platform/image/bmp_layout.h"

namespace tkp::image::bmp {

namespace {

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

bool knownHeaderSize(std::uint32_t size) {
    return size == 12 || size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// A usable mask is non-zero, one run of bits, and inside the pixel.
bool makeChannel(std::uint32_t mask, int bitsPerPixel, Channel* out) {
    if (mask == 0) return false;
    if (bitsPerPixel == 16 && mask > 0xFFFF) return false;
    const int shift = std::countr_zero(mask);
    const std::uint32_t run = mask >> shift;
    if ((run & (run + 1)) != 0) return false;
    out->mask = mask;
    out->shift = shift;
    out->max = run;
    return true;
}

}  // namespace

bool parseLayout(const std::uint8_t* data, std::size_t size, std::size_t dibStart, std::size_t fileOffset,
                 Layout* out, const char** reason) {
    if (dibStart > size || size - dibStart < 4) return fail(reason, "truncated header");
    const std::uint8_t* h = data + dibStart;
    const std::uint32_t headerSize = u32(h);
    if (!knownHeaderSize(headerSize)) return fail(reason, "unknown header size");
    if (size - dibStart < headerSize) return fail(reason, "truncated header");

    const bool core = headerSize == 12;
    std::int64_t width, height;
    std::uint32_t coloursUsed = 0;
    if (core) {
        width = u16(h + 4);
        height = u16(h + 6);
        out->bitsPerPixel = static_cast<int>(u16(h + 10));
        out->compression = kRgb;
    } else {
        width = static_cast<std::int32_t>(u32(h + 4));
        height = static_cast<std::int32_t>(u32(h + 8));
        out->bitsPerPixel = static_cast<int>(u16(h + 14));
        out->compression = u32(h + 16);
        coloursUsed = u32(h + 32);
    }
    const int bpp = out->bitsPerPixel;
    const bool indexed = bpp == 1 || bpp == 4 || bpp == 8;
    if (!indexed && bpp != 16 && bpp != 24 && bpp != 32) return fail(reason, "unsupported bits per pixel");
    if (core && (bpp == 16 || bpp == 32)) return fail(reason, "unsupported bits per pixel");
    switch (out->compression) {
        case kRgb:
            break;
        case kRle8:
            if (bpp != 8) return fail(reason, "RLE8 needs 8 bits per pixel");
            break;
        case kRle4:
            if (bpp != 4) return fail(reason, "RLE4 needs 4 bits per pixel");
            break;
        case kBitFields:
            if (bpp != 16 && bpp != 32) return fail(reason, "bit fields need 16 or 32 bits per pixel");
            break;
        default:
            return fail(reason, "unsupported compression");
    }

    // A negative height means rows stored top-down; compressed pictures cannot be top-down.
    out->topDown = height < 0;
    if (height < 0) height = -height;
    if (out->topDown && out->compression != kRgb && out->compression != kBitFields)
        return fail(reason, "top-down compressed bitmap");
    if (width <= 0 || height <= 0) return fail(reason, "zero or negative size");
    if (width > tkp::image::kBmpMaxSide || height > tkp::image::kBmpMaxSide ||
        width * height > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    out->width = static_cast<int>(width);
    out->height = static_cast<int>(height);

    // Bit-field masks follow a 40-byte header; the later headers hold them.
    std::uint64_t pos = dibStart + headerSize;
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bpp == 32) {
        masks[0] = 0xFF0000;
        masks[1] = 0x00FF00;
        masks[2] = 0x0000FF;
    }
    if (out->compression == kBitFields) {
        const std::uint8_t* m = h + 40;
        if (headerSize == 40) {
            if (size - pos < 12) return fail(reason, "truncated bit-field masks");
            m = data + pos;
            pos += 12;
        }
        for (int i = 0; i < 3; ++i) masks[i] = u32(m + 4 * i);
    }
    if (bpp == 16 || bpp == 32) {
        for (int i = 0; i < 3; ++i) {
            if (!makeChannel(masks[i], bpp, &out->channels[i])) return fail(reason, "bad bit-field mask");
        }
    }

    // The palette: 2^bpp entries unless the header counts fewer; the core header's are 3 bytes.
    const std::uint64_t entrySize = core ? 3 : 4;
    std::uint64_t entries = coloursUsed;
    if (indexed) {
        const std::uint32_t most = 1u << bpp;
        if (coloursUsed > most) return fail(reason, "more palette colours than the depth allows");
        if (coloursUsed == 0) entries = most;
    }
    std::uint64_t paletteEnd = pos + entries * entrySize;
    if (fileOffset != kPacked) {
        if (fileOffset < pos) return fail(reason, "pixel data offset inside the header");
        if (fileOffset > size) return fail(reason, "pixel data offset past the end of the file");
        // Some writers store a shorter palette than they declare; read what lies before the pixels.
        if (paletteEnd > fileOffset) {
            entries = (fileOffset - pos) / entrySize;
            paletteEnd = pos + entries * entrySize;
        }
        out->pixelOffset = fileOffset;
    } else {
        if (paletteEnd > size) return fail(reason, "truncated palette");
        out->pixelOffset = static_cast<std::size_t>(paletteEnd);
    }
    if (indexed) {
        if (paletteEnd > size) return fail(reason, "truncated palette");
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = data + pos + i * entrySize;
            out->palette[i] = (std::uint32_t{e[2]} << 16) | (std::uint32_t{e[1]} << 8) | e[0];
        }
    }
    return true;
}

}  // namespace tkp::image::bmp
