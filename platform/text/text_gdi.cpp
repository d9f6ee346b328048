// TextOutA, DrawTextA and GetTextExtentPoint32A on device contexts.
#include "platform/gdi/dc.h"
#include "platform/text/text.h"
#include "platform/text/text_draw.h"
#include "platform/text/text_log.h"
#include "platform/text/utf8.h"

namespace {

// A device context as a text target.
class DcTarget final : public tkp::text::TextTarget {
  public:
    explicit DcTarget(HDC dc) : dc_(dc) {}
    int Width() const override { return tkp::gdi::DcWidth(dc_); }
    int Height() const override { return tkp::gdi::DcHeight(dc_); }
    void Blend(int x, int y, COLORREF colour, int alpha) override {
        tkp::gdi::DcBlend(dc_, x, y, colour, alpha);
    }
    void BlendRow(int x, int y, const std::uint8_t* coverage, int n, COLORREF colour) override {
        tkp::gdi::DcBlendRows(dc_, x, y, coverage, n, 1, n, colour);
    }
    void BlendRows(int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                   COLORREF colour) override {
        tkp::gdi::DcBlendRows(dc_, x, y, coverage, n, rows, stride, colour);
    }
    void Fill(const RECT& r, COLORREF colour) override { tkp::gdi::DcFillSolid(dc_, r, colour); }

  private:
    HDC dc_;
};

tkp::text::TextStyle styleOf(HDC dc) {
    tkp::text::TextStyle style;
    style.colour = tkp::gdi::DcTextColour(dc);
    style.opaque = tkp::gdi::DcBkMode(dc) == OPAQUE;
    style.bkColour = tkp::gdi::DcBkColour(dc);
    return style;
}

// The count rule: -1 is a zero-terminated string, other negative counts are refused.
bool countOk(const char* function, LPCSTR text, int count) {
    if (count < -1 || (!text && count != 0)) {
        tkp::text::TextLog("%s: bad text (count %d%s)", function, count, text ? "" : ", no string");
        return false;
    }
    return true;
}

constexpr UINT kKnownFormats = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK | DT_SINGLELINE |
                               DT_NOCLIP | DT_EXTERNALLEADING | DT_CALCRECT | DT_NOPREFIX;

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    if (!hdc) {
        tkp::text::TextLog("TextOutA: no device context");
        return FALSE;
    }
    if (!countOk("TextOutA", lpString, c)) return FALSE;
    DcTarget target(hdc);
    tkp::text::TextOut(target, tkp::text::FontFor(tkp::gdi::DcFont(hdc)), styleOf(hdc), x, y,
                       tkp::text::TextSpan(lpString, c));
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    if (!hdc || !lprc) {
        tkp::text::TextLog("DrawTextA: no device context or no rectangle");
        return 0;
    }
    if (!countOk("DrawTextA", lpchText, cchText)) return 0;
    // Formats beyond the known ones are ignored; each is reported once.
    static UINT reported = 0;
    const UINT unknown = format & ~kKnownFormats & ~reported;
    if (unknown) {
        tkp::text::TextLog("DrawTextA: format flags 0x%X are not supported and are ignored", unknown);
        reported |= unknown;
    }
    DcTarget target(hdc);
    return tkp::text::DrawText(&target, tkp::text::FontFor(tkp::gdi::DcFont(hdc)), styleOf(hdc),
                               tkp::text::TextSpan(lpchText, cchText), lprc, format);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, SIZE* psizl) {
    if (!hdc || !psizl) {
        tkp::text::TextLog("GetTextExtentPoint32A: no device context or no size");
        return FALSE;
    }
    if (!countOk("GetTextExtentPoint32A", lpString, c)) return FALSE;
    *psizl =
        tkp::text::TextExtent(tkp::text::FontFor(tkp::gdi::DcFont(hdc)), tkp::text::TextSpan(lpString, c));
    return TRUE;
}
