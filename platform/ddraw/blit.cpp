// Pixel loops of the blits: row-wise memmove for plain copies, branch-free selects for keyed ones,
// and an incremental nearest-pixel walk for scaled, mirrored and blended ones.
#include "platform/ddraw/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/ddraw/pixel565.h"

namespace tkp {

// Walked without division: q and r are the quotient and remainder of (2i + 1) m / 2n.
void NearestIndices(int n, int m, std::vector<int>& out) {
    out.resize(static_cast<std::size_t>(n));
    const std::int64_t den = 2 * static_cast<std::int64_t>(n);
    const std::int64_t stepQ = (2 * static_cast<std::int64_t>(m)) / den;
    const std::int64_t stepR = (2 * static_cast<std::int64_t>(m)) % den;
    std::int64_t q = m / den;
    std::int64_t r = m % den;
    for (int i = 0; i < n; ++i) {
        out[static_cast<std::size_t>(i)] = static_cast<int>(q);
        q += stepQ;
        r += stepR;
        if (r >= den) {
            ++q;
            r -= den;
        }
    }
}

void FillPixels(const PixelView& dst, const RECT& r, std::uint16_t value) {
    const int w = r.right - r.left;
    for (int y = r.top; y < r.bottom; ++y) std::fill_n(dst.Row(y) + r.left, w, value);
}

void CopyPixels(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s) {
    const int w = s.right - s.left;
    const int h = s.bottom - s.top;
    const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(std::uint16_t);
    // Bottom-up when copying downwards within one surface, so rows are read before they are overwritten.
    const bool upwards = src.pixels == dst.pixels && y > s.top;
    for (int i = 0; i < h; ++i) {
        int row = upwards ? h - 1 - i : i;
        std::memmove(dst.Row(y + row) + x, src.Row(s.top + row) + s.left, bytes);
    }
}

void CopyPixelsKeyed(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s, ColourKey key) {
    const int w = s.right - s.left;
    for (int row = s.top; row < s.bottom; ++row) {
        const std::uint16_t* in = src.Row(row) + s.left;
        std::uint16_t* out = dst.Row(y + row - s.top) + x;
        if (key.low == key.high) {
            const std::uint16_t k = key.low;
            for (int i = 0; i < w; ++i) out[i] = in[i] == k ? out[i] : in[i];
        } else {
            const unsigned span = static_cast<unsigned>(key.high - key.low);
            for (int i = 0; i < w; ++i) {
                bool transparent = static_cast<unsigned>(in[i] - key.low) <= span;
                out[i] = transparent ? out[i] : in[i];
            }
        }
    }
}

void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx) {
    const int dw = d.right - d.left;
    const int dh = d.bottom - d.top;
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    if (fx.alpha <= 0) return;
    thread_local std::vector<int> columns;
    thread_local std::vector<int> rows;
    NearestIndices(dw, sw, columns);
    NearestIndices(dh, sh, rows);
    // Column offsets into a source row, mirrored when asked.
    for (int& c : columns) c = fx.mirrorLeftRight ? s.right - 1 - c : s.left + c;
    const unsigned span = static_cast<unsigned>(fx.key.high - fx.key.low);
    const unsigned alpha = static_cast<unsigned>(std::min(fx.alpha, 255));
    for (int j = 0; j < dh; ++j) {
        const std::uint16_t* in = src.Row(s.top + rows[static_cast<std::size_t>(j)]);
        std::uint16_t* out = dst.Row(d.top + j) + d.left;
        for (int i = 0; i < dw; ++i) {
            std::uint16_t p = in[columns[static_cast<std::size_t>(i)]];
            if (fx.keyed && static_cast<unsigned>(p - fx.key.low) <= span) continue;
            out[i] = alpha == 255 ? p : Mix565(p, out[i], alpha);
        }
    }
}

}  // namespace tkp
