// Pixel loops of the blits: row-wise memmove for plain copies, branch-free selects for keyed ones,
// and an incremental nearest-pixel walk for scaled, mirrored and blended ones.
#include "platform/pixels/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/pixels/pixel565.h"

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

namespace {

// Where the source pixel of each destination column lies within a source row.
struct DirectColumns {
    int offset;
    int operator()(int i) const { return offset + i; }
};
struct TableColumns {
    const int* table;
    int operator()(int i) const { return table[i]; }
};

bool InKey(std::uint16_t p, ColourKey key) {
    return static_cast<unsigned>(p - key.low) <= static_cast<unsigned>(key.high - key.low);
}

template <typename Columns>
void RowPlain(std::uint16_t* out, const std::uint16_t* in, int n, Columns col) {
    for (int i = 0; i < n; ++i) out[i] = in[col(i)];
}

template <typename Columns>
void RowKeyed(std::uint16_t* out, const std::uint16_t* in, int n, Columns col, ColourKey key) {
    for (int i = 0; i < n; ++i) {
        std::uint16_t p = in[col(i)];
        out[i] = InKey(p, key) ? out[i] : p;
    }
}

template <bool Keyed, typename Columns>
void RowAlpha(std::uint16_t* out, const std::uint16_t* in, int n, Columns col, ColourKey key,
              std::uint16_t alpha) {
    for (int i = 0; i < n; ++i) {
        std::uint16_t p = in[col(i)];
        std::uint16_t mixed = Mix565(p, out[i], alpha);
        out[i] = (Keyed && InKey(p, key)) ? out[i] : mixed;
    }
}

template <typename Columns>
void Row(std::uint16_t* out, const std::uint16_t* in, int n, Columns col, const BlitEffects& fx) {
    if (fx.alpha < 255) {
        const auto alpha = static_cast<std::uint16_t>(fx.alpha);
        if (fx.keyed) {
            RowAlpha<true>(out, in, n, col, fx.key, alpha);
        } else {
            RowAlpha<false>(out, in, n, col, fx.key, alpha);
        }
    } else if (fx.keyed) {
        RowKeyed(out, in, n, col, fx.key);
    } else {
        RowPlain(out, in, n, col);
    }
}

}  // namespace

void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx) {
    const int dw = d.right - d.left;
    const int dh = d.bottom - d.top;
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    if (fx.alpha <= 0) return;
    thread_local std::vector<int> columns;
    thread_local std::vector<int> rows;
    NearestIndices(dh, sh, rows);
    // Same width without mirroring reads source columns in order; otherwise through a table.
    const bool direct = dw == sw && !fx.mirrorLeftRight;
    if (!direct) {
        NearestIndices(dw, sw, columns);
        for (int& c : columns) c = fx.mirrorLeftRight ? s.right - 1 - c : s.left + c;
    }
    // A plain row that repeats the row above is copied from the destination itself.
    const bool plain = !fx.keyed && fx.alpha >= 255;
    const std::size_t rowBytes = static_cast<std::size_t>(dw) * sizeof(std::uint16_t);
    for (int j = 0; j < dh; ++j) {
        std::uint16_t* out = dst.Row(d.top + j) + d.left;
        if (plain && j > 0 && rows[static_cast<std::size_t>(j)] == rows[static_cast<std::size_t>(j - 1)]) {
            std::memcpy(out, dst.Row(d.top + j - 1) + d.left, rowBytes);
            continue;
        }
        const std::uint16_t* in = src.Row(s.top + rows[static_cast<std::size_t>(j)]);
        if (direct) {
            Row(out, in, dw, DirectColumns{s.left}, fx);
        } else {
            Row(out, in, dw, TableColumns{columns.data()}, fx);
        }
    }
}

}  // namespace tkp
