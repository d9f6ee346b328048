// The blits pixel by pixel, each destination pixel worked out on its own from its source pixel:
// slow and plain, the yardstick the row loops of blit.cpp are checked against. Same contracts as
// the functions of blit.h.
#pragma once

#include "platform/pixels/blit.h"

namespace tkp::pixels::reference {

void FillPixels(const PixelView& dst, const RECT& r, std::uint16_t value);
void CopyPixelsKeyed(const PixelView& dst, int x, int y, const PixelView& src, const RECT& s, ColourKey key);
void StretchPixels(const PixelView& dst, const RECT& d, const PixelView& src, const RECT& s,
                   const BlitEffects& fx);

}  // namespace tkp::pixels::reference
