#define TK_MODULE "TK_DAS_w"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "platform/ddraw/surface_access.h"

namespace {

// One channel of the milky wash: widened to 8 bits by bit replication, 80 added and capped at
// 255, then narrowed to the nearest level, exactly as a read and write through GDI would do.
template <int Bits>
constexpr std::array<std::uint16_t, (1 << Bits)> MilkyChannel() {
    std::array<std::uint16_t, (1 << Bits)> t{};
    constexpr int top = (1 << Bits) - 1;
    for (int v = 0; v <= top; ++v) {
        const int wide = (v << (8 - Bits)) | (v >> (2 * Bits - 8));
        const int lifted = std::min(wide + 80, 255);
        t[v] = static_cast<std::uint16_t>((lifted * top + 127) / 255);
    }
    return t;
}

constexpr auto kMilky5 = MilkyChannel<5>();
constexpr auto kMilky6 = MilkyChannel<6>();

std::uint16_t milky565(std::uint16_t p) {
    return static_cast<std::uint16_t>(kMilky5[p >> 11] << 11 | kMilky6[(p >> 5) & 0x3F] << 5 |
                                      kMilky5[p & 0x1F]);
}

}  // namespace

void tk_CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* surface, RECT rect, bool border) {
    if (!surface) return;
    long long x0 = rect.left, y0 = rect.top;
    long long w = static_cast<long long>(rect.right) - rect.left;
    long long h = static_cast<long long>(rect.bottom) - rect.top;
    bool cut_top = false, cut_bottom = false;
    // Only the vertical extent is kept on the screen: nothing above row 1 or from its last row.
    if (y0 < 1) {
        h -= 1 - y0;
        y0 = 1;
        cut_top = true;
    }
    const long long last = static_cast<long long>(tk_ScreenH) - 1;
    if (y0 + h > last) {
        h -= y0 + h - last;
        cut_bottom = true;
    }
    if (w < 1 || h < 1) return;
    const auto white = static_cast<std::uint16_t>(DDPixelOfColour(surface, RGB(255, 255, 255)));
    const auto black = static_cast<std::uint16_t>(DDPixelOfColour(surface, RGB(0, 0, 0)));
    tkp::ddraw::LockedSurface px(surface);
    if (!px.ok()) return;
    if (border && !cut_top) px.span(x0, x0 + w - 1, y0, black);
    const long long n = (w - 2) / 2;
    for (long long r = 1; r <= h - 2; ++r) {
        const long long y = y0 + r;
        if (y < 0 || y >= px.height()) continue;
        // White where the row and column, counted from (x0, y0), add up to an odd number.
        long long k = std::max(r % 2 ? 2LL : 1LL, -x0);
        if ((k + r) % 2 == 0) ++k;
        const long long k_end = std::min(2 * n, px.width() - 1 - x0);
        std::uint16_t* line = px.row(y);
        // Four whites a round: the loop's own counting would otherwise cost more than the stores.
        long long at = x0 + k;
        const long long end = x0 + k_end;
        for (; at + 6 <= end; at += 8) line[at] = line[at + 2] = line[at + 4] = line[at + 6] = white;
        for (; at <= end; at += 2) line[at] = white;
        if (border) {
            px.put(x0, y, black);
            if (w >= 2) px.put(x0 + 2 * n + 1, y, black);
        }
    }
    if (border && !cut_bottom && h >= 2) px.span(x0, x0 + w - 1, y0 + h - 1, black);
}

void tk_CDUI_podklad_efekt_B_mliecny(HDC dc, RECT rect) {
    if (!dc) return;
    for (LONG y = rect.top; y < rect.bottom; ++y) {
        for (LONG x = rect.left; x < rect.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            if (c == CLR_INVALID) continue;
            const int r = std::min(GetRValue(c) + 80, 255);
            const int g = std::min(GetGValue(c) + 80, 255);
            const int b = std::min(GetBValue(c) + 80, 255);
            SetPixel(dc, x, y, RGB(r, g, b));
        }
    }
}

void tk_CDUI_podklad_efekt_B_mliecny(IDirectDrawSurface* surface, RECT rect) {
    tkp::ddraw::LockedSurface px(surface);
    if (!px.ok()) return;
    const long long l = std::max<long long>(rect.left, 0), r = std::min<long long>(rect.right, px.width());
    const long long t = std::max<long long>(rect.top, 0), b = std::min<long long>(rect.bottom, px.height());
    for (long long y = t; y < b; ++y) {
        std::uint16_t* line = px.row(y);
        for (long long x = l; x < r; ++x) line[x] = milky565(line[x]);
    }
}
