// StretchBlt between any two device contexts: surfaces (5-6-5) and memory bitmaps (0x00RRGGBB).
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"
#include "platform/kernel/debug.h"
#include "platform/pixels/pixel565.h"

namespace {

// Rows of a DC's target as typed pixels.
template <typename Pixel>
struct Plane {
    Pixel* pixels;
    std::ptrdiff_t pitch;
    Pixel* Row(int y) const { return pixels + y * pitch; }
};

Plane<std::uint16_t> surfacePlane(const tkp::gdi::DC* dc) {
    return {dc->surface.pixels, dc->surface.pitch};
}
Plane<std::uint32_t> bitmapPlane(const tkp::gdi::DC* dc) {
    return {dc->bitmap->pixels.data(), dc->bitmap->width};
}

std::uint16_t convert(std::uint16_t p, std::uint16_t*) {
    return p;
}
std::uint32_t convert(std::uint32_t p, std::uint32_t*) {
    return p;
}
std::uint16_t convert(std::uint32_t p, std::uint16_t*) {
    return tkp::pixels::XrgbTo565(p);
}
std::uint32_t convert(std::uint16_t p, std::uint32_t*) {
    return tkp::pixels::XrgbOf565(p);
}

// Source index for each destination step in [first, end) of a scale from m to n pixels, offset
// by origin; -1 where it falls outside [0, limit).
void indices(std::int64_t first, std::int64_t end, std::int64_t n, std::int64_t m, std::int64_t origin,
             int limit, std::vector<int>& out) {
    out.clear();
    for (std::int64_t i = first; i < end; ++i) {
        // Wide arithmetic: i and m may each be near the int range.
        std::int64_t at = origin + static_cast<std::int64_t>((__int128{2} * i + 1) * m / (__int128{2} * n));
        out.push_back(at >= 0 && at < limit ? static_cast<int>(at) : -1);
    }
}

template <typename In, typename Out>
void copyPlane(const Plane<In>& src, const Plane<Out>& dst, int x0, int y0, const std::vector<int>& cols,
               const std::vector<int>& rows) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
        if (rows[j] < 0) continue;
        const In* in = src.Row(rows[j]);
        Out* out = dst.Row(y0 + static_cast<int>(j)) + x0;
        for (std::size_t i = 0; i < cols.size(); ++i) {
            if (cols[i] >= 0) out[i] = convert(in[cols[i]], static_cast<Out*>(nullptr));
        }
    }
}

// The source's pixels copied out, for a copy within one target.
template <typename Pixel>
Plane<Pixel> snapshot(const Plane<Pixel>& plane, int width, int height, std::vector<Pixel>& store) {
    store.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y)
        std::copy_n(plane.Row(y), width, store.data() + static_cast<std::size_t>(y) * width);
    return {store.data(), width};
}

}  // namespace

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dest);
    tkp::gdi::DC* s = tkp::gdi::FindDC(source);
    if (!d || !s) return FALSE;
    if (rop != SRCCOPY) {
        OutputDebugStringA("gdi: StretchBlt supports only SRCCOPY\n");
        return FALSE;
    }
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return FALSE;
    const int dw = tkp::gdi::TargetWidth(d);
    const int dh = tkp::gdi::TargetHeight(d);
    const int sw = tkp::gdi::TargetWidth(s);
    const int sh = tkp::gdi::TargetHeight(s);
    // Only the destination pixels inside the target are computed.
    const std::int64_t i0 = std::max<std::int64_t>(0, -std::int64_t{x});
    const std::int64_t i1 = std::min<std::int64_t>(width, std::int64_t{dw} - x);
    const std::int64_t j0 = std::max<std::int64_t>(0, -std::int64_t{y});
    const std::int64_t j1 = std::min<std::int64_t>(height, std::int64_t{dh} - y);
    if (i0 >= i1 || j0 >= j1 || sw == 0 || sh == 0) return TRUE;
    std::vector<int> cols;
    std::vector<int> rows;
    indices(i0, i1, width, sourceWidth, sourceX, sw, cols);
    indices(j0, j1, height, sourceHeight, sourceY, sh, rows);
    const int x0 = static_cast<int>(x + i0);
    const int y0 = static_cast<int>(y + j0);
    const bool sameTarget = d->memory ? (s->memory && s->bitmap == d->bitmap)
                                      : (!s->memory && s->surface.pixels == d->surface.pixels);
    if (s->memory) {
        Plane<std::uint32_t> in = bitmapPlane(s);
        std::vector<std::uint32_t> store;
        if (sameTarget) in = snapshot(in, sw, sh, store);
        if (d->memory) {
            copyPlane(in, bitmapPlane(d), x0, y0, cols, rows);
        } else {
            copyPlane(in, surfacePlane(d), x0, y0, cols, rows);
        }
    } else {
        Plane<std::uint16_t> in = surfacePlane(s);
        std::vector<std::uint16_t> store;
        if (sameTarget) in = snapshot(in, sw, sh, store);
        if (d->memory) {
            copyPlane(in, bitmapPlane(d), x0, y0, cols, rows);
        } else {
            copyPlane(in, surfacePlane(d), x0, y0, cols, rows);
        }
    }
    return TRUE;
}
