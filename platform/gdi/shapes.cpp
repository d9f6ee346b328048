// Filled figures: Rectangle, Ellipse, RoundRect and FillRect.
//
// Every figure is a box [left, right) x [top, bottom) with elliptic corners of a x b pixels (none
// for a rectangle, the whole box for an ellipse); a pixel belongs to it when its centre does. The
// pen paints the figure's edge pixels (those with a neighbour outside); a pen of width w paints the
// figure grown by w / 2 minus the inside of the figure shrunk by (w - 1) / 2, so it is centred on
// the edge. The brush fills the inside. With the null pen the brush fills the whole figure of a
// box one pixel narrower and lower, as GDI does.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"

namespace {

struct Figure {
    std::int64_t x0, y0, x1, y1;  // the box, right and bottom exclusive
    double a = 0;                 // corner radii; 0 = square corners
    double b = 0;
};

// A figure for the box with corner ellipses of cornerW x cornerH, limited to the box.
Figure makeFigure(std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, std::int64_t cornerW,
                  std::int64_t cornerH) {
    Figure f{l, t, r, b};
    if (cornerW > 0 && cornerH > 0 && r > l && b > t) {
        f.a = std::min(static_cast<double>(cornerW), static_cast<double>(r - l)) / 2.0;
        f.b = std::min(static_cast<double>(cornerH), static_cast<double>(b - t)) / 2.0;
    }
    return f;
}

// The pixels of row y inside f: columns xl to xr; false when none.
bool span(const Figure& f, std::int64_t y, std::int64_t& xl, std::int64_t& xr) {
    if (y < f.y0 || y >= f.y1 || f.x0 >= f.x1) return false;
    if (f.a <= 0 || f.b <= 0) {
        xl = f.x0;
        xr = f.x1 - 1;
        return true;
    }
    const double py = static_cast<double>(y) + 0.5;
    const double cy = std::clamp(py, static_cast<double>(f.y0) + f.b, static_cast<double>(f.y1) - f.b);
    const double dy = (py - cy) / f.b;
    const double t = 1.0 - dy * dy;
    if (t < 0) return false;
    const double half = f.a * std::sqrt(t);
    const double left = static_cast<double>(f.x0) + f.a - half;
    const double right = static_cast<double>(f.x1) - f.a + half;
    xl = std::max(f.x0, static_cast<std::int64_t>(std::ceil(left - 0.5 - 1e-9)));
    xr = std::min(f.x1 - 1, static_cast<std::int64_t>(std::floor(right - 0.5 + 1e-9)));
    return xl <= xr;
}

// The pixels of row y whose four neighbours are all inside f.
bool insideSpan(const Figure& f, std::int64_t y, std::int64_t& xl, std::int64_t& xr) {
    std::int64_t l0, r0, lu, ru, ld, rd;
    if (!span(f, y, l0, r0) || !span(f, y - 1, lu, ru) || !span(f, y + 1, ld, rd)) return false;
    xl = std::max({l0 + 1, lu, ld});
    xr = std::min({r0 - 1, ru, rd});
    return xl <= xr;
}

void paint(tkp::gdi::DC* dc, std::int64_t y, std::int64_t x0, std::int64_t x1, COLORREF colour) {
    if (x0 > x1) return;
    // Clamped to just outside the target, so that the conversion to int cannot overflow.
    const std::int64_t w = tkp::gdi::TargetWidth(dc);
    x0 = std::clamp<std::int64_t>(x0, -1, w);
    x1 = std::clamp<std::int64_t>(x1, -1, w);
    tkp::gdi::FillSpan(dc, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), colour);
}

// Draws the figure of box (l, t, r, b) with corner ellipses cw x ch using the DC's pen and brush.
BOOL drawFigure(HDC dc, std::int64_t l, std::int64_t t, std::int64_t r, std::int64_t b, std::int64_t cw,
                std::int64_t ch) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d) return FALSE;
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    const auto& pen = *static_cast<const tkp::gdi::GdiPen*>(d->pen);
    const auto& brush = *static_cast<const tkp::gdi::GdiBrush*>(d->brush);
    const std::int64_t firstRow = std::max<std::int64_t>(0, t - pen.width);
    const std::int64_t lastRow = std::min<std::int64_t>(tkp::gdi::TargetHeight(d) - 1, b + pen.width);
    std::int64_t xl, xr;
    if (pen.null) {
        if (brush.null) return TRUE;
        const Figure f = makeFigure(l, t, r - 1, b - 1, cw, ch);
        for (std::int64_t y = firstRow; y <= lastRow; ++y) {
            if (span(f, y, xl, xr)) paint(d, y, xl, xr, brush.colour);
        }
        return TRUE;
    }
    const std::int64_t grow = pen.width / 2;
    const std::int64_t shrink = (pen.width - 1) / 2;
    // A square corner stays square when the figure grows or shrinks.
    const bool round = cw > 0 && ch > 0;
    const Figure outer = makeFigure(l - grow, t - grow, r + grow, b + grow, round ? cw + 2 * grow : 0,
                                    round ? ch + 2 * grow : 0);
    const Figure inner = makeFigure(l + shrink, t + shrink, r - shrink, b - shrink,
                                    round ? cw - 2 * shrink : 0, round ? ch - 2 * shrink : 0);
    for (std::int64_t y = firstRow; y <= lastRow; ++y) {
        std::int64_t ol, orr;
        if (!span(outer, y, ol, orr)) continue;
        if (!insideSpan(inner, y, xl, xr)) {
            paint(d, y, ol, orr, pen.colour);
            continue;
        }
        if (!brush.null) paint(d, y, xl, xr, brush.colour);
        paint(d, y, ol, std::min(orr, xl - 1), pen.colour);
        paint(d, y, std::max(ol, xr + 1), orr, pen.colour);
    }
    return TRUE;
}

}  // namespace

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return drawFigure(dc, left, top, right, bottom, 0, 0);
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
    const std::int64_t w = std::llabs(std::int64_t{right} - left);
    const std::int64_t h = std::llabs(std::int64_t{bottom} - top);
    return drawFigure(dc, left, top, right, bottom, w, h);
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    return drawFigure(dc, left, top, right, bottom, std::llabs(cornerWidth), std::llabs(cornerHeight));
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || !rect || !tkp::gdi::GdiIsLive(brush) || brush->kind != tkp::gdi::GdiKind::Brush) return 0;
    const auto& b = *static_cast<const tkp::gdi::GdiBrush*>(brush);
    if (b.null) return 1;
    const int top = std::max<int>(rect->top, 0);
    const int bottom = std::min<int>(rect->bottom, tkp::gdi::TargetHeight(d));
    for (int y = top; y < bottom; ++y) paint(d, y, rect->left, std::int64_t{rect->right} - 1, b.colour);
    return 1;
}
