// Device contexts; internal to platform/. A DC draws into a surface (16-bit 5-6-5) or into a
// bitmap selected into a memory DC (0x00RRGGBB). Text drawing (platform/text) paints through
// DcBlend so that it needs to know nothing else of the target.
#pragma once

#include <cstdint>

#include "platform/base/wintypes.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_object.h"

namespace tkp::gdi {

struct DC;

// Size of what the DC draws into (0 x 0 for a memory DC without a bitmap).
int DcWidth(HDC dc);
int DcHeight(HDC dc);
// Mixes colour into pixel (x, y) with coverage alpha 0..255; outside the target nothing happens.
void DcBlend(HDC dc, int x, int y, COLORREF colour, int alpha);
// The same for a block of rows of n coverage values each, stride bytes apart, from (x, y): 0 leaves
// a pixel, 255 paints it solid; the part outside the target is left out.
void DcBlendRows(HDC dc, int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                 COLORREF colour);
// The selected font (null: the stock system font), text colour, background mode and colour.
HFONT DcFont(HDC dc);
COLORREF DcTextColour(HDC dc);
int DcBkMode(HDC dc);
COLORREF DcBkColour(HDC dc);
// Fills a rectangle with a colour (the opaque background of text), clipped to the target.
void DcFillSolid(HDC dc, const RECT& r, COLORREF colour);

}  // namespace tkp::gdi
