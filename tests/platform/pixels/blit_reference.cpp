// The blits pixel by pixel: the portable yardstick for the row loops.
#include "tests/platform/pixels/blit_reference.h"

#include <vector>

#include "platform/pixels/pixel565.h"

namespace tkp::pixels::reference {

namespace {

bool inKey(std::uint16_t p, ColourKey key) {
    if (key.low <= key.high) return p >= key.low && p <= key.high;
    // A key whose ends are swapped wraps round: from low up to 0xFFFF and from 0 up to high.
    return p >= key.low || p <= key.high;
}

// What lands on a destination pixel under from, with the effects.
std::uint16_t landedPixel(std::uint16_t under, std::uint16_t from, const BlitEffects& fx) {
    if (fx.keyed && inKey(from, fx.key)) return under;
    return fx.alpha >= 255 ? from : Mix565(from, under, static_cast<std::uint16_t>(fx.alpha));
}

}  // namespace

void FillPixels(const PixelView& dst, const RECT& r, std::uint16_t value) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) dst.Row(y)[x] = value;
}

void CopyPixelsKeyed(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s, ColourKey key) {
    BlitEffects fx;
    fx.keyed = true;
    fx.key = key;
    for (int j = 0; j < s.bottom - s.top; ++j)
        for (int i = 0; i < s.right - s.left; ++i) {
            std::uint16_t& out = dst.Row(y + j)[x + i];
            out = landedPixel(out, src.Row(s.top + j)[s.left + i], fx);
        }
}

void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx) {
    if (fx.alpha <= 0) return;
    std::vector<int> columns, rows;
    NearestIndices(d.right - d.left, s.right - s.left, columns);
    NearestIndices(d.bottom - d.top, s.bottom - s.top, rows);
    for (std::size_t j = 0; j < rows.size(); ++j)
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const int column = fx.mirrorLeftRight ? s.right - 1 - columns[i] : s.left + columns[i];
            std::uint16_t& out = dst.Row(d.top + static_cast<int>(j))[d.left + static_cast<int>(i)];
            out = landedPixel(out, src.Row(s.top + rows[j])[column], fx);
        }
}

}  // namespace tkp::pixels::reference
