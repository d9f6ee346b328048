// RLE8 and RLE4 pixel data: runs, literal runs, line ends, deltas and the picture's end. Runs
// that leave their row or the picture refuse the whole picture; skipped pixels stay black.
#include "platform/image/bmp_layout.h"

namespace tkp::image::bmp {

namespace {

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

}  // namespace

bool decodeRle(const std::uint8_t* data, std::size_t size, const Layout& layout, std::uint32_t* pixels,
               const char** reason) {
    const bool four = layout.compression == kRle4;
    const int w = layout.width;
    const int h = layout.height;
    std::size_t p = layout.pixelOffset;
    int x = 0;
    int y = 0;  // counted from the bottom row, as the data runs
    auto put = [&](int index) {
        pixels[std::size_t(h - 1 - y) * std::size_t(w) + std::size_t(x)] = layout.palette[index];
        ++x;
    };
    while (true) {
        if (size < 2 || p > size - 2) {
            // Data that simply stops after the last row has been filled is accepted.
            if (y >= h || (y == h - 1 && x == w)) return true;
            return fail(reason, "RLE data ends inside the picture");
        }
        const int count = data[p];
        const int code = data[p + 1];
        p += 2;
        if (count > 0) {
            if (y >= h) return fail(reason, "RLE run past the picture");
            if (count > w - x) return fail(reason, "RLE run past the row");
            for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? (code & 0xF) : (code >> 4)) : code);
            continue;
        }
        if (code == 0) {
            // End of line.
            if (y >= h) return fail(reason, "RLE line end past the picture");
            x = 0;
            ++y;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            if (p > size - 2) return fail(reason, "RLE data ends inside a delta");
            x += data[p];
            y += data[p + 1];
            p += 2;
            if (x > w || y > h || (y == h && x != 0)) return fail(reason, "RLE delta past the picture");
        } else {
            // A literal run of code pixels, padded to an even number of bytes.
            const std::size_t bytes = four ? std::size_t(code + 1) / 2 : std::size_t(code);
            if (y >= h) return fail(reason, "RLE run past the picture");
            if (code > w - x) return fail(reason, "RLE run past the row");
            if (size - p < bytes) return fail(reason, "RLE data ends inside a literal run");
            for (int i = 0; i < code; ++i) {
                const std::uint8_t b = data[p + std::size_t(four ? i / 2 : i)];
                put(four ? ((i & 1) ? (b & 0xF) : (b >> 4)) : b);
            }
            p += bytes;
            if ((bytes & 1) && p < size) ++p;
        }
    }
}

}  // namespace tkp::image::bmp
