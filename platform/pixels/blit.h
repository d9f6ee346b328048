// Pixel loops of the blits on 5-6-5 memory; internal to platform/ (surfaces blit with them). Every
// rectangle given here has already been checked to lie inside its pixels: these functions do no
// clipping of their own.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/wintypes.h"
#include "platform/pixels/pixel_view.h"

namespace tkp::pixels {

// Source pixels from low to high (inclusive) are not drawn.
struct ColourKey {
    std::uint16_t low;
    std::uint16_t high;
};

struct BlitEffects {
    bool keyed = false;
    ColourKey key{0, 0};
    bool mirrorLeftRight = false;
    int alpha = 255;  // 0 transparent .. 255 opaque
};

// For each of n destination pixels, the index (0 .. m - 1) of the source pixel under its centre
// when a run of m source pixels is scaled to n: floor((2i + 1) m / 2n).
void NearestIndices(int n, int m, std::vector<int>& out);

// Fills rect r with one pixel value.
void FillPixels(const PixelView& dst, const RECT& r, std::uint16_t value);
// Copies source rect s to (x, y); source and destination may overlap.
void CopyPixels(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s);
// As CopyPixels, leaving out source pixels inside the key; source and destination must not overlap.
void CopyPixelsKeyed(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s, ColourKey key);
// Scales source rect s onto destination rect d (nearest pixel), with the effects; the two must not
// overlap. Neither rect may be empty.
void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx);

}  // namespace tkp::pixels
