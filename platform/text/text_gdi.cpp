// TextOutA, DrawTextA and GetTextExtentPoint32A on device contexts.
#include "platform/gdi/dc.h"
#include "platform/text/text.h"
#include "platform/text/text_draw.h"
#include "platform/text/text_log.h"
#include "platform/text/utf8.h"

namespace {

// A device context as a text target.
class DcTarget final : public tkp_TextTarget {
  public:
    explicit DcTarget(HDC dc) : dc_(dc) {}
    int Width() const override { return tkp_DC_Width(dc_); }
    int Height() const override { return tkp_DC_Height(dc_); }
    void Blend(int x, int y, COLORREF colour, int alpha) override { tkp_DC_Blend(dc_, x, y, colour, alpha); }
    void BlendRow(int x, int y, const std::uint8_t* coverage, int n, COLORREF colour) override {
        tkp_DC_BlendRows(dc_, x, y, coverage, n, 1, n, colour);
    }
    void BlendRows(int x, int y, const std::uint8_t* coverage, int n, int rows, int stride,
                   COLORREF colour) override {
        tkp_DC_BlendRows(dc_, x, y, coverage, n, rows, stride, colour);
    }
    void Fill(const RECT& r, COLORREF colour) override { tkp_DC_FillSolid(dc_, r, colour); }

  private:
    HDC dc_;
};

tkp_TextStyle styleOf(HDC dc) {
    tkp_TextStyle style;
    style.colour = tkp_DC_TextColor(dc);
    style.opaque = tkp_DC_BkMode(dc) == OPAQUE;
    style.bkColour = tkp_DC_BkColor(dc);
    return style;
}

// The count rule: -1 is a zero-terminated string, other negative counts are refused.
bool countOk(const char* function, LPCSTR text, int count) {
    if (count < -1 || (!text && count != 0)) {
        tkp_TextLog("%s: bad text (count %d%s)", function, count, text ? "" : ", no string");
        return false;
    }
    return true;
}

constexpr UINT kKnownFormats = DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK | DT_SINGLELINE |
                               DT_NOCLIP | DT_EXTERNALLEADING | DT_CALCRECT | DT_NOPREFIX;

}  // namespace

BOOL TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    if (!hdc) {
        tkp_TextLog("TextOutA: no device context");
        return FALSE;
    }
    if (!countOk("TextOutA", lpString, c)) return FALSE;
    DcTarget target(hdc);
    tkp_TextOut(target, tkp_FontFor(tkp_DC_Font(hdc)), styleOf(hdc), x, y, tkp_TextSpan(lpString, c));
    return TRUE;
}

int DrawTextA(HDC hdc, LPCSTR lpchText, int cchText, LPRECT lprc, UINT format) {
    if (!hdc || !lprc) {
        tkp_TextLog("DrawTextA: no device context or no rectangle");
        return 0;
    }
    if (!countOk("DrawTextA", lpchText, cchText)) return 0;
    // Formats beyond the known ones are ignored; each is reported once.
    static UINT reported = 0;
    const UINT unknown = format & ~kKnownFormats & ~reported;
    if (unknown) {
        tkp_TextLog("DrawTextA: format flags 0x%X are not supported and are ignored", unknown);
        reported |= unknown;
    }
    DcTarget target(hdc);
    return tkp_DrawText(&target, tkp_FontFor(tkp_DC_Font(hdc)), styleOf(hdc), tkp_TextSpan(lpchText, cchText),
                        lprc, format);
}

BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, SIZE* psizl) {
    if (!hdc || !psizl) {
        tkp_TextLog("GetTextExtentPoint32A: no device context or no size");
        return FALSE;
    }
    if (!countOk("GetTextExtentPoint32A", lpString, c)) return FALSE;
    *psizl = tkp_TextExtent(tkp_FontFor(tkp_DC_Font(hdc)), tkp_TextSpan(lpString, c));
    return TRUE;
}
