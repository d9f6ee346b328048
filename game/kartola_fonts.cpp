#define TK_MODULE "Kartola"
#include "game/kartola_fonts.h"

#include <cmath>
#include <cstring>

#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "game/CKarta.h"
#include "game/kartola_table.h"

tk_CARRE REG_FONTY;
int g_TextFontW = 18;
int g_TextFontH = 22;
int g_iTextFont = 0;
HFONT g_hTextFont = nullptr;

namespace {

// A name wider than this many pixels in the common font gets a narrowed font of its own.
constexpr int kNameRoom = CARD_W - 1;

const char* faceAt(int i) {
    return i >= 0 && i < REG_FONTY.count ? static_cast<const char*>(REG_FONTY.items[i]) : nullptr;
}

// Each face once per run of character sets: a face is appended unless it equals the last one.
int CALLBACK collectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    auto* faces = reinterpret_cast<tk_CARRE*>(param);
    const char* last = faces->count > 0 ? static_cast<const char*>(faces->items[faces->count - 1]) : nullptr;
    if (!last || std::strcmp(last, font->lfFaceName) != 0) faces->Add(tk_StrDup(font->lfFaceName));
    return 1;
}

}  // namespace

void ZISTI_FONTY() {
    HDC dc = nullptr;
    if (tk_lpDDSBack && tk_lpDDSBack->GetDC(&dc) == DD_OK && dc) {
        LOGFONTA all{};
        all.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExA(dc, &all, collectFace, reinterpret_cast<LPARAM>(&REG_FONTY), 0);
        tk_lpDDSBack->ReleaseDC(dc);
    }
    for (int i = 0; i < REG_FONTY.count; ++i) TK_LOG("font", faceAt(i));
}

int NAJDI_FONT(const char* face) {
    if (REG_FONTY.count == 0) ZISTI_FONTY();
    for (int i = 0; face && i < REG_FONTY.count; ++i) {
        if (std::strcmp(faceAt(i), face) == 0) return i;
    }
    return 0;
}

HFONT CreateNameFont(int height, int width) {
    const char* face = faceAt(g_iTextFont);
    return CreateFontA(height, width, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0,
                       VARIABLE_PITCH | FF_SWISS, face ? face : "");
}

HFONT CreateCongratulationFont(int height, int width) {
    return CreateFontA(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0,
                       VARIABLE_PITCH | FF_SWISS, "Verdana");
}

int NarrowedWidth(int tw) {
    return static_cast<int>(std::lround(static_cast<double>(g_TextFontW) * kNameRoom / tw));
}

void NASTAV_FONTY() {
    if (REG_FONTY.count == 0) ZISTI_FONTY();
    HFONT common = CreateNameFont(g_TextFontH, g_TextFontW);
    if (g_hTextFont) DeleteObject(g_hTextFont);
    g_hTextFont = common;
    if (REG_TEXT.count < 1) return;
    for (int i = 0; i < REG_TEXT.count; ++i) {
        TKartaText* name = NameOf(i);
        if (!name) continue;
        int tw = 0;
        int th = 0;
        tk_glob_ZISTI_ROZMER_TEXTU(name->text, g_hTextFont, &tw, &th);
        HFONT own = tw < kNameRoom ? nullptr : CreateNameFont(g_TextFontH, NarrowedWidth(tw));
        if (name->font) DeleteObject(name->font);
        name->font = own;
    }
    TK_LOG("---------", "REG_TEXT fonty nastavene");
}

void UVOLNI_FONTY() {
    if (g_hTextFont) DeleteObject(g_hTextFont);
    g_hTextFont = nullptr;
    REG_FONTY.UVOLNI_char();
}
