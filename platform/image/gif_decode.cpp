// GIF pictures through giflib's low-level reading interface: records are read one by one up to
// the first picture, so that its size is checked before anything is allocated and the rest of an
// animation is never decoded.
#include <gif_lib.h>

#include <algorithm>
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

struct Source {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at;
};

int readBytes(GifFileType* gif, GifByteType* into, int wanted) {
    auto* src = static_cast<Source*>(gif->UserData);
    const std::size_t n = std::min<std::size_t>(std::size_t(std::max(wanted, 0)), src->size - src->at);
    std::memcpy(into, src->data + src->at, n);
    src->at += n;
    return static_cast<int>(n);
}

struct Close {
    GifFileType* gif;
    ~Close() {
        int error = 0;
        if (gif) DGifCloseFile(gif, &error);
    }
};

// The transparent colour index of a graphic control extension, or -1.
int transparentIndex(const GifByteType* block) {
    if (!block || block[0] < 4) return -1;
    return (block[1] & 1) ? block[4] : -1;
}

// Skips the data blocks of an extension, noting the transparent index of a graphic control one.
bool readExtension(GifFileType* gif, int* transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
    if (code == GRAPHICS_EXT_FUNC_CODE) *transparent = transparentIndex(block);
    while (block) {
        if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
    }
    return true;
}

// The rows of the picture in the order the file stores them: interlaced files in four passes.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) rows.push_back(y);
        return rows;
    }
    const int start[4] = {0, 4, 2, 1};
    const int step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass]) rows.push_back(y);
    return rows;
}

}  // namespace

bool tkp::image::DecodeGif(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                           const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 13) return fail(reason, "not a GIF file");
    Source src{data, size, 0};
    int error = 0;
    Close close{DGifOpen(&src, readBytes, &error)};
    GifFileType* gif = close.gif;
    if (!gif) return fail(reason, "malformed GIF header");
    const std::int64_t w = gif->SWidth;
    const std::int64_t h = gif->SHeight;
    if (w <= 0 || h <= 0) return fail(reason, "zero or negative size");
    if (w > tkp::image::kBmpMaxSide || h > tkp::image::kBmpMaxSide || w * h > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");

    int transparent = -1;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) != GIF_OK) return fail(reason, "malformed GIF data");
        if (type == TERMINATE_RECORD_TYPE) return fail(reason, "GIF file without a picture");
        if (type == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif, &transparent)) return fail(reason, "malformed GIF data");
            continue;
        }
        if (type == IMAGE_DESC_RECORD_TYPE) break;
        return fail(reason, "malformed GIF data");
    }
    if (DGifGetImageDesc(gif) != GIF_OK) return fail(reason, "malformed GIF data");
    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map || !map->Colors || map->ColorCount <= 0) return fail(reason, "GIF picture without colours");
    // The picture lies on the screen; parts of it outside are read and dropped.
    const std::int64_t fw = desc.Width;
    const std::int64_t fh = desc.Height;
    if (fw <= 0 || fh <= 0 || desc.Left < 0 || desc.Top < 0) return fail(reason, "malformed GIF data");
    if (fw > tkp::image::kBmpMaxSide || fh > tkp::image::kBmpMaxSide)
        return fail(reason, "picture too large");

    // One line of the library's colour indices at a time, onto a white screen.
    tkp::image::DecodeBuffers b;
    if (!b.Allocate(w, h, std::size_t(fw), 0xFFFFFF)) return fail(reason, "out of memory");
    for (const int y : rowOrder(static_cast<int>(fh), desc.Interlace)) {
        if (DGifGetLine(gif, b.raw.data(), static_cast<int>(fw)) != GIF_OK)
            return fail(reason, "malformed GIF data");
        const std::int64_t sy = desc.Top + y;
        if (sy >= h) continue;
        for (std::int64_t x = 0; x < fw && desc.Left + x < w; ++x) {
            const int index = b.raw[std::size_t(x)];
            if (index == transparent) continue;
            // An index past the colour table is black, as in a BMP.
            std::uint32_t colour = 0;
            if (index < map->ColorCount) {
                const GifColorType& c = map->Colors[index];
                colour = (std::uint32_t{c.Red} << 16) | (std::uint32_t{c.Green} << 8) | c.Blue;
            }
            b.pixels[std::size_t(sy) * std::size_t(w) + std::size_t(desc.Left + x)] = colour;
        }
    }
    b.Deliver(out, w, h, 8);
    return true;
}
