// Rectangles of the blits walked row by row: memmove for plain copies, the vector row loops of
// blit_rows.cpp for everything else. A scaled row is made once per source row and reused for the
// destination rows that repeat it.
#include "platform/pixels/blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/pixels/blit_rows.h"

namespace tkp::pixels {

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
    for (int y = r.top; y < r.bottom; ++y) rows::Fill(dst.Row(y) + r.left, w, value);
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
    for (int row = s.top; row < s.bottom; ++row)
        rows::Keyed(dst.Row(y + row - s.top) + x, src.Row(row) + s.left, w, key);
}

namespace {

// How a destination row's pixels come from a source row.
enum class Scale { Direct, Double, DoubleMirrored, Table };

}  // namespace

void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx) {
    const int dw = d.right - d.left;
    const int dh = d.bottom - d.top;
    const int sw = s.right - s.left;
    const int sh = s.bottom - s.top;
    if (fx.alpha <= 0) return;
    thread_local std::vector<int> columns;
    thread_local std::vector<int> sourceRows;
    thread_local std::vector<std::uint16_t> scaled;
    NearestIndices(dh, sh, sourceRows);
    Scale scale = Scale::Table;
    if (dw == sw && !fx.mirrorLeftRight) {
        scale = Scale::Direct;
    } else if (dw == 2 * sw) {
        scale = fx.mirrorLeftRight ? Scale::DoubleMirrored : Scale::Double;
    } else {
        NearestIndices(dw, sw, columns);
        for (int& c : columns) c = fx.mirrorLeftRight ? s.right - 1 - c : s.left + c;
    }
    // A plain blit makes its rows straight in the destination and copies a repeated row from the
    // one above; the others make the scaled row aside and mix it into every row that shows it.
    const bool plain = !fx.keyed && fx.alpha >= 255;
    if (!plain && scale != Scale::Direct) scaled.resize(static_cast<std::size_t>(dw));
    const std::size_t rowBytes = static_cast<std::size_t>(dw) * sizeof(std::uint16_t);
    const auto alpha = static_cast<std::uint16_t>(fx.alpha);
    int madeRow = -1;
    for (int j = 0; j < dh; ++j) {
        std::uint16_t* out = dst.Row(d.top + j) + d.left;
        const int r = sourceRows[static_cast<std::size_t>(j)];
        if (plain && j > 0 && r == sourceRows[static_cast<std::size_t>(j - 1)]) {
            std::memcpy(out, dst.Row(d.top + j - 1) + d.left, rowBytes);
            continue;
        }
        const std::uint16_t* in = src.Row(s.top + r);
        const std::uint16_t* row = in + s.left;
        if (scale == Scale::Direct) {
            if (plain) std::memcpy(out, row, rowBytes);
        } else {
            std::uint16_t* made = plain ? out : scaled.data();
            if (plain || r != madeRow) {
                if (scale == Scale::Double) {
                    rows::Double(made, row, sw);
                } else if (scale == Scale::DoubleMirrored) {
                    rows::DoubleMirrored(made, row, sw);
                } else {
                    rows::Gather(made, in, columns.data(), dw);
                }
                madeRow = r;
            }
            row = made;
        }
        if (plain) continue;
        if (fx.alpha < 255) {
            if (fx.keyed) {
                rows::AlphaKeyed(out, row, dw, fx.key, alpha);
            } else {
                rows::Alpha(out, row, dw, alpha);
            }
        } else {
            rows::Keyed(out, row, dw, fx.key);
        }
    }
}

}  // namespace tkp::pixels
