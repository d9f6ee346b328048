// Texts too wide for their entries: the list's font narrowed for each, kept while the font stays.
#define TK_MODULE "TK_DUI_w"
#include <algorithm>
#include <cstddef>
#include <cstdlib>

#include "framework/lists/tk_CDUI.h"

namespace {

constexpr std::size_t kKeptFonts = 64;

HFONT withWidth(const LOGFONTA& lf, int width) {
    return CreateFontA(lf.lfHeight, width, lf.lfEscapement, lf.lfOrientation, lf.lfWeight, lf.lfItalic,
                       lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                       lf.lfQuality, lf.lfPitchAndFamily, lf.lfFaceName);
}

// The text's advance in the font, measured on the context being drawn on (its font is put back).
int advanceOf(HDC dc, const char* text, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text, -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
    return static_cast<int>(r.right - r.left);
}

}  // namespace

HFONT tk_CDUI::FittedFont(HDC dc, const char* text, int room) {
    if (fitted_base_ != font) ReleaseFittedFonts();
    fitted_base_ = font;
    for (const Fitted& f : fitted_)
        if (f.room == room && f.text == text) return f.font;
    // A list that has shown many long texts starts its keeping afresh.
    if (fitted_.size() >= kKeptFonts) ReleaseFittedFonts();
    fitted_base_ = font;
    LOGFONTA lf{};
    if (!text || room < 1 || GetObjectA(font, sizeof lf, &lf) != static_cast<int>(sizeof lf)) return nullptr;
    // The widest character width whose text fits, found by halving: widths from 1 up to the
    // font's own (or, where the system chooses it, the height's).
    int lo = 1, hi = lf.lfWidth > 0 ? lf.lfWidth : std::max(1, std::abs(static_cast<int>(lf.lfHeight)));
    HFONT best = withWidth(lf, lo);
    while (best && lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        HFONT tried = withWidth(lf, mid);
        // A pixel of air on each side, so that no glyph reaching past its advance is cut.
        if (tried && advanceOf(dc, text, tried) <= room - 2) {
            DeleteObject(best);
            best = tried;
            lo = mid;
        } else {
            if (tried) DeleteObject(tried);
            hi = mid - 1;
        }
    }
    fitted_.push_back(Fitted{text, room, best});
    return best;
}

void tk_CDUI::ReleaseFittedFonts() {
    for (Fitted& f : fitted_)
        if (f.font) DeleteObject(f.font);
    fitted_.clear();
    fitted_base_ = nullptr;
}
