#define TK_MODULE "Kartola"
#include "game/kartola_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "game/CKarta.h"
#include "game/kartola_name_fit.h"
#include "game/kartola_table.h"
#include "platform/ddraw/surface_access.h"

tk_CARRE REG_FONTY;
int g_TextFontW = 18;
int g_TextFontH = 22;
int g_iTextFont = 0;
HFONT g_hTextFont = nullptr;
std::uint32_t g_uNameFontsVersion = 0;

namespace {

// A name wider than this many pixels in the common font gets a narrowed font of its own.
constexpr int kNameRoom = CARD_W - 1;

const char* faceAt(int i) {
    return i >= 0 && i < REG_FONTY.count ? static_cast<const char*>(REG_FONTY.items[i]) : nullptr;
}

// Each face once per run of character sets: a face is appended unless it equals the last one.
// Symbol faces have no letters to show a name with.
int CALLBACK collectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
    if (font->lfCharSet == SYMBOL_CHARSET) return 1;
    auto* faces = reinterpret_cast<tk_CARRE*>(param);
    const char* last = faces->count > 0 ? static_cast<const char*>(faces->items[faces->count - 1]) : nullptr;
    if (!last || std::strcmp(last, font->lfFaceName) != 0) faces->Add(tk_StrDup(font->lfFaceName));
    return 1;
}

// Names dropped because they draw like a face kept before them, with that face's name: asking
// for "Verdana" where it stands for an installed face finds that face.
std::vector<std::pair<std::string, std::string>> g_sameFaces;

// The word every face is tried with, and the box it is drawn into.
constexpr const char* kSample = "Kartola";
constexpr int kSampleW = 200;
constexpr int kSampleH = 48;

// "Kartola" in the face as the name font draws it, as the ink's pixels; empty when it could not
// be drawn. A face whose letters come out lower than a third of the cell (a mathematical face
// with very tall extents draws every name as a thin line) counts as drawing nothing.
std::vector<std::uint16_t> sampleOf(IDirectDrawSurface* box, const char* face) {
    DDSURFACE_ZMAZ(box, 0xFFFF);
    HFONT font = CreateFontA(g_TextFontH, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0,
                             VARIABLE_PITCH | FF_SWISS, face);
    if (font) {
        tkp::ddraw::SurfaceDC dc(box);
        RECT r{0, 0, kSampleW, kSampleH};
        if (dc.ok())
            tk_glob_Text_draw_font(dc, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, RGB(0, 0, 0), font,
                                   kSample);
    }
    if (font) DeleteObject(font);
    std::vector<std::uint16_t> pixels;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    if (box->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr) != DD_OK) return pixels;
    int top = kSampleH, bottom = -1;
    for (int y = 0; y < kSampleH; ++y) {
        const auto* row = reinterpret_cast<const std::uint16_t*>(
            static_cast<const char*>(desc.lpSurface) + static_cast<std::ptrdiff_t>(y) * desc.lPitch);
        for (int x = 0; x < kSampleW; ++x) {
            pixels.push_back(row[x]);
            if (row[x] != 0xFFFF) top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    box->Unlock(nullptr);
    if (bottom - top + 1 < g_TextFontH / 3) pixels.clear();
    return pixels;
}

// Keeps only the faces whose "Kartola" differs from that of every face kept before it: names of
// stand-ins that resolve to one installed face count once, under the first name. Faces that
// cannot show a name are dropped. Without a display every face stays.
void keepDistinctFaces() {
    if (!tk_lpDD) return;
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = kSampleW;
    desc.dwHeight = kSampleH;
    IDirectDrawSurface* box = nullptr;
    if (tk_lpDD->CreateSurface(&desc, &box, nullptr) != DD_OK || !box) return;
    std::vector<std::vector<std::uint16_t>> seen;
    tk_CARRE kept;
    g_sameFaces.clear();
    for (int i = 0; i < REG_FONTY.count; ++i) {
        auto* face = static_cast<char*>(REG_FONTY.items[i]);
        std::vector<std::uint16_t> sample = sampleOf(box, face);
        int same = sample.empty() ? -2 : -1;
        for (std::size_t k = 0; same == -1 && k < seen.size(); ++k)
            if (seen[k] == sample) same = static_cast<int>(k);
        if (same == -1) {
            seen.push_back(std::move(sample));
            kept.Add(face);
            continue;
        }
        if (same >= 0)
            g_sameFaces.emplace_back(face, static_cast<const char*>(kept.items[same]));
        else
            TK_LOG("font bez citatelneho textu, vynechany", face);
        delete[] face;
    }
    box->Release();
    REG_FONTY.DetachAll();
    for (int i = 0; i < kept.count; ++i) REG_FONTY.Add(kept.items[i]);
    kept.DetachAll();
}

}  // namespace

void ZISTI_FONTY() {
    if (tkp::ddraw::SurfaceDC dc(tk_lpDDSBack); dc.ok()) {
        LOGFONTA all{};
        all.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExA(dc, &all, collectFace, reinterpret_cast<LPARAM>(&REG_FONTY), 0);
    }
    keepDistinctFaces();
    for (int i = 0; i < REG_FONTY.count; ++i) TK_LOG("font", faceAt(i));
}

int NAJDI_FONT(const char* face) {
    if (REG_FONTY.count == 0) ZISTI_FONTY();
    for (int i = 0; face && i < REG_FONTY.count; ++i) {
        if (std::strcmp(faceAt(i), face) == 0) return i;
    }
    for (const auto& [name, kept] : g_sameFaces) {
        if (face && name == face) return NAJDI_FONT(kept.c_str());
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
    ++g_uNameFontsVersion;
    HFONT common = CreateNameFont(g_TextFontH, g_TextFontW);
    if (g_hTextFont) DeleteObject(g_hTextFont);
    g_hTextFont = common;
    if (REG_TEXT.count < 1) return;
    for (int i = 0; i < REG_TEXT.count; ++i) {
        TKartaText* name = NameOf(i);
        if (name) FitName(*name);
    }
    TK_LOG("---------", "REG_TEXT fonty nastavene");
}

void UVOLNI_FONTY() {
    if (g_hTextFont) DeleteObject(g_hTextFont);
    g_hTextFont = nullptr;
    REG_FONTY.UVOLNI_char();
}
