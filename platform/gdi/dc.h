// Device contexts; internal to platform/. A DC draws into a surface (16-bit 5-6-5) or into a
// bitmap selected into a memory DC (0x00RRGGBB). Text drawing (platform/text) paints through
// tkp_DC_Blend so that it needs to know nothing else of the target.
#pragma once

#include <cstdint>

#include "platform/base/wintypes.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_object.h"

struct tkp_DC;

// Size of what the DC draws into (0 x 0 for a memory DC without a bitmap).
int tkp_DC_Width(HDC dc);
int tkp_DC_Height(HDC dc);
// Mixes colour into pixel (x, y) with coverage alpha 0..255; outside the target nothing happens.
void tkp_DC_Blend(HDC dc, int x, int y, COLORREF colour, int alpha);
// The same for a block of rows of n coverage values each, stride bytes apart, from (x, y): 0 leaves
// a pixel, 255 paints it solid; the part outside the target is left out.
void tkp_DC_BlendRows(HDC dc, int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                      COLORREF colour);
// The selected font (null: the stock system font), text colour, background mode and colour.
HFONT tkp_DC_Font(HDC dc);
COLORREF tkp_DC_TextColor(HDC dc);
int tkp_DC_BkMode(HDC dc);
COLORREF tkp_DC_BkColor(HDC dc);
// Fills a rectangle with a colour (the opaque background of text), clipped to the target.
void tkp_DC_FillSolid(HDC dc, const RECT& r, COLORREF colour);
