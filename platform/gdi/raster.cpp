// Pixel access of a device context's target, clipped: spans, single pixels, blending.
#include <algorithm>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"
#include "platform/pixels/blit_rows.h"
#include "platform/pixels/pixel565.h"

namespace tkp::gdi {

namespace {

// A bitmap whose pixel store is shorter than its size says counts as empty.
bool bitmapUsable(const tkp::gdi::GdiBitmap* b) {
    return b->width > 0 && b->height > 0 &&
           b->pixels.size() >= static_cast<std::size_t>(b->width) * static_cast<std::size_t>(b->height);
}

}  // namespace

int TargetWidth(const tkp::gdi::DC* dc) {
    if (dc->memory) return bitmapUsable(dc->bitmap) ? dc->bitmap->width : 0;
    return dc->surface.width;
}

int TargetHeight(const tkp::gdi::DC* dc) {
    if (dc->memory) return bitmapUsable(dc->bitmap) ? dc->bitmap->height : 0;
    return dc->surface.height;
}

void FillBox(tkp::gdi::DC* dc, int x0, int y0, int x1, int y1, COLORREF colour) {
    y0 = std::max(y0, 0);
    y1 = std::min(y1, TargetHeight(dc) - 1);
    x0 = std::max(x0, 0);
    x1 = std::min(x1, TargetWidth(dc) - 1);
    if (x0 > x1 || y0 > y1) return;
    for (int y = y0; y <= y1; ++y) {
        if (dc->memory) {
            std::uint32_t* row =
                dc->bitmap->pixels.data() + static_cast<std::ptrdiff_t>(y) * dc->bitmap->width;
            std::fill(row + x0, row + x1 + 1, pixels::ColorrefToXrgb(colour));
        } else {
            // Wide spans through the vector row fill; narrow ones (upright lines) are not worth the call.
            std::uint16_t* row = dc->surface.Row(y);
            if (x1 - x0 >= 16) {
                pixels::rows::Fill(row + x0, x1 - x0 + 1, pixels::ColorrefTo565(colour));
            } else {
                std::fill(row + x0, row + x1 + 1, pixels::ColorrefTo565(colour));
            }
        }
    }
}

void FillSpan(tkp::gdi::DC* dc, int y, int x0, int x1, COLORREF colour) {
    FillBox(dc, x0, y, x1, y, colour);
}

COLORREF ReadPixel(const tkp::gdi::DC* dc, int x, int y) {
    if (x < 0 || y < 0 || x >= TargetWidth(dc) || y >= TargetHeight(dc)) return CLR_INVALID;
    if (dc->memory)
        return pixels::ColorrefOfXrgb(
            dc->bitmap->pixels[static_cast<std::size_t>(y) * dc->bitmap->width + x]);
    return pixels::ColorrefOf565(dc->surface.Row(y)[x]);
}

}  // namespace tkp::gdi

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || x < 0 || y < 0 || x >= tkp::gdi::TargetWidth(d) || y >= tkp::gdi::TargetHeight(d))
        return CLR_INVALID;
    tkp::gdi::FillSpan(d, y, x, x, colour);
    return tkp::gdi::ReadPixel(d, x, y);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? tkp::gdi::ReadPixel(d, x, y) : CLR_INVALID;
}

int tkp::gdi::DcWidth(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? tkp::gdi::TargetWidth(d) : 0;
}

int tkp::gdi::DcHeight(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? tkp::gdi::TargetHeight(d) : 0;
}

namespace {

// Mixes colour into one pixel of a DC already looked up.
void blendPixel(tkp::gdi::DC* d, int x, int y, COLORREF colour, int alpha) {
    COLORREF under = tkp::gdi::ReadPixel(d, x, y);
    if (under == CLR_INVALID) return;
    const unsigned a = static_cast<unsigned>(std::min(alpha, 255));
    COLORREF mixed = tkp::pixels::Mix8(GetRValue(colour), GetRValue(under), a) |
                     tkp::pixels::Mix8(GetGValue(colour), GetGValue(under), a) << 8 |
                     tkp::pixels::Mix8(GetBValue(colour), GetBValue(under), a) << 16;
    tkp::gdi::FillSpan(d, y, x, x, mixed);
}

}  // namespace

void tkp::gdi::DcBlend(HDC dc, int x, int y, COLORREF colour, int alpha) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || alpha <= 0) return;
    blendPixel(d, x, y, colour, alpha);
}

namespace {

// Colour (8-bit channels r, g, b) mixed into stored pixels with coverage 1..254, with the same
// widening, Mix8 and narrowing as blendPixel's read and write.
struct Mix565Pixel {
    unsigned r, g, b;
    std::uint16_t operator()(std::uint16_t p, unsigned a) const {
        return tkp::pixels::Pack565(tkp::pixels::Mix8(r, tkp::pixels::Red8(p), a),
                                    tkp::pixels::Mix8(g, tkp::pixels::Green8(p), a),
                                    tkp::pixels::Mix8(b, tkp::pixels::Blue8(p), a));
    }
};
struct MixXrgbPixel {
    unsigned r, g, b;
    std::uint32_t operator()(std::uint32_t p, unsigned a) const {
        return tkp::pixels::Mix8(r, (p >> 16) & 0xFF, a) << 16 |
               tkp::pixels::Mix8(g, (p >> 8) & 0xFF, a) << 8 | tkp::pixels::Mix8(b, p & 0xFF, a);
    }
};

template <typename Pixel, typename Mix>
void blendRun(Pixel* out, const std::uint8_t* coverage, int n, Pixel solid, Mix mix) {
    for (int i = 0; i < n; ++i) {
        const unsigned c = coverage[i];
        if (c == 255) {
            out[i] = solid;
        } else if (c) {
            out[i] = mix(out[i], c);
        }
    }
}

}  // namespace

void tkp::gdi::DcBlendRows(HDC dc, int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                           COLORREF colour) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || !coverage || n <= 0 || rows <= 0) return;
    // The part of the block inside the target.
    const long long i0 = std::max(0LL, -static_cast<long long>(x));
    const long long i1 = std::min<long long>(n, static_cast<long long>(tkp::gdi::TargetWidth(d)) - x);
    const long long j0 = std::max(0LL, -static_cast<long long>(y));
    const long long j1 = std::min<long long>(rows, static_cast<long long>(tkp::gdi::TargetHeight(d)) - y);
    if (i0 >= i1 || j0 >= j1) return;
    const int count = static_cast<int>(i1 - i0);
    const unsigned r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    for (long long j = j0; j < j1; ++j) {
        const std::uint8_t* cov = coverage + j * stride + i0;
        const long long row = y + j;
        const long long column = x + i0;
        if (d->memory) {
            std::uint32_t* out = d->bitmap->pixels.data() + row * d->bitmap->width + column;
            blendRun(out, cov, count, tkp::pixels::ColorrefToXrgb(colour), MixXrgbPixel{r, g, b});
        } else {
            std::uint16_t* out = d->surface.Row(static_cast<int>(row)) + column;
            blendRun(out, cov, count, tkp::pixels::ColorrefTo565(colour), Mix565Pixel{r, g, b});
        }
    }
}

void tkp::gdi::DcFillSolid(HDC dc, const RECT& r, COLORREF colour) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d) return;
    const int top = std::max<int>(r.top, 0);
    const int bottom = std::min<int>(r.bottom, tkp::gdi::TargetHeight(d));
    // Columns limited to just outside the target, so that right - 1 cannot overflow.
    const int left = std::max<int>(r.left, -1);
    const int right = std::min<int>(r.right, tkp::gdi::TargetWidth(d) + 1);
    if (top < bottom) tkp::gdi::FillBox(d, left, top, right - 1, bottom - 1, colour);
}
