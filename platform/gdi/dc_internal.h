// The device context record and the helpers the GDI files share; internal to platform/gdi.
#pragma once

#include <cstdint>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_object.h"
#include "platform/gdi/surface_dc.h"
#include "platform/pixels/pixel_view.h"

namespace tkp::gdi {

struct DC {
    bool memory = false;             // made by CreateCompatibleDC
    tkp::pixels::PixelView surface;  // a surface's 5-6-5 pixels (no pixels for a memory DC)
    GdiBitmap* bitmap = nullptr;     // the bitmap selected into a memory DC
    HGDIOBJ pen = nullptr;
    HGDIOBJ brush = nullptr;
    HGDIOBJ font = nullptr;
    POINT position{0, 0};
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
};

// The context behind a handle, or null when it is not a live one.
DC* FindDC(HDC dc);

// Pixel access clipped to the target; colours are Windows colours (red in the low byte).
int TargetWidth(const DC* dc);
int TargetHeight(const DC* dc);
// Paints columns x0 to x1 of rows y0 to y1 (all inclusive), as far as they lie in the target.
void FillBox(DC* dc, int x0, int y0, int x1, int y1, COLORREF colour);
// Paints columns x0 to x1 (inclusive) of row y.
void FillSpan(DC* dc, int y, int x0, int x1, COLORREF colour);
// The colour at (x, y) as stored, widened to 8 bits per channel; CLR_INVALID outside.
COLORREF ReadPixel(const DC* dc, int x, int y);

}  // namespace tkp::gdi
