// Pixel access of a device context's target, clipped: spans, single pixels, blending.
#include <algorithm>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"
#include "platform/pixels/pixel565.h"

namespace tkp {

namespace {

// A bitmap whose pixel store is shorter than its size says counts as empty.
bool BitmapUsable(const tkp_GdiBitmap* b) {
    return b->width > 0 && b->height > 0 &&
           b->pixels.size() >= static_cast<std::size_t>(b->width) * static_cast<std::size_t>(b->height);
}

}  // namespace

int TargetWidth(const tkp_DC* dc) {
    if (dc->memory) return BitmapUsable(dc->bitmap) ? dc->bitmap->width : 0;
    return dc->surface.width;
}

int TargetHeight(const tkp_DC* dc) {
    if (dc->memory) return BitmapUsable(dc->bitmap) ? dc->bitmap->height : 0;
    return dc->surface.height;
}

void FillSpan(tkp_DC* dc, int y, int x0, int x1, COLORREF colour) {
    if (y < 0 || y >= TargetHeight(dc)) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, TargetWidth(dc) - 1);
    if (x0 > x1) return;
    if (dc->memory) {
        std::uint32_t* row = dc->bitmap->pixels.data() + static_cast<std::ptrdiff_t>(y) * dc->bitmap->width;
        std::fill(row + x0, row + x1 + 1, ColorrefToXrgb(colour));
    } else {
        std::uint16_t* row = dc->surface.Row(y);
        std::fill(row + x0, row + x1 + 1, ColorrefTo565(colour));
    }
}

COLORREF ReadPixel(const tkp_DC* dc, int x, int y) {
    if (x < 0 || y < 0 || x >= TargetWidth(dc) || y >= TargetHeight(dc)) return CLR_INVALID;
    if (dc->memory)
        return ColorrefOfXrgb(dc->bitmap->pixels[static_cast<std::size_t>(y) * dc->bitmap->width + x]);
    return ColorrefOf565(dc->surface.Row(y)[x]);
}

}  // namespace tkp

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    tkp_DC* d = tkp::FindDC(dc);
    if (!d || x < 0 || y < 0 || x >= tkp::TargetWidth(d) || y >= tkp::TargetHeight(d)) return CLR_INVALID;
    tkp::FillSpan(d, y, x, x, colour);
    return tkp::ReadPixel(d, x, y);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    tkp_DC* d = tkp::FindDC(dc);
    return d ? tkp::ReadPixel(d, x, y) : CLR_INVALID;
}

int tkp_DC_Width(HDC dc) {
    tkp_DC* d = tkp::FindDC(dc);
    return d ? tkp::TargetWidth(d) : 0;
}

int tkp_DC_Height(HDC dc) {
    tkp_DC* d = tkp::FindDC(dc);
    return d ? tkp::TargetHeight(d) : 0;
}

namespace {

// Mixes colour into one pixel of a DC already looked up.
void blendPixel(tkp_DC* d, int x, int y, COLORREF colour, int alpha) {
    COLORREF under = tkp::ReadPixel(d, x, y);
    if (under == CLR_INVALID) return;
    const unsigned a = static_cast<unsigned>(std::min(alpha, 255));
    COLORREF mixed = tkp::Mix8(GetRValue(colour), GetRValue(under), a) |
                     tkp::Mix8(GetGValue(colour), GetGValue(under), a) << 8 |
                     tkp::Mix8(GetBValue(colour), GetBValue(under), a) << 16;
    tkp::FillSpan(d, y, x, x, mixed);
}

}  // namespace

void tkp_DC_Blend(HDC dc, int x, int y, COLORREF colour, int alpha) {
    tkp_DC* d = tkp::FindDC(dc);
    if (!d || alpha <= 0) return;
    blendPixel(d, x, y, colour, alpha);
}

void tkp_DC_BlendRow(HDC dc, int x, int y, const std::uint8_t* coverage, int n, COLORREF colour) {
    tkp_DC* d = tkp::FindDC(dc);
    if (!d || !coverage) return;
    // The DC is looked up once per row; solid runs are filled as one span.
    for (int i = 0; i < n;) {
        if (coverage[i] == 255) {
            int end = i + 1;
            while (end < n && coverage[end] == 255) ++end;
            tkp::FillSpan(d, y, x + i, x + end - 1, colour);
            i = end;
            continue;
        }
        if (coverage[i]) blendPixel(d, x + i, y, colour, coverage[i]);
        ++i;
    }
}

void tkp_DC_FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    tkp_DC* d = tkp::FindDC(dc);
    if (!d) return;
    const int top = std::max<int>(r.top, 0);
    const int bottom = std::min<int>(r.bottom, tkp::TargetHeight(d));
    // Columns limited to just outside the target, so that right - 1 cannot overflow.
    const int left = std::max<int>(r.left, -1);
    const int right = std::min<int>(r.right, tkp::TargetWidth(d) + 1);
    for (int y = top; y < bottom; ++y) tkp::FillSpan(d, y, left, right - 1, colour);
}
