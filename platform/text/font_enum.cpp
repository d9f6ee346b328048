// EnumFontFamiliesExA: the installed families from fontconfig, with the character sets each covers.
#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/text/font_library.h"
#include "platform/text/font_match.h"
#include "platform/text/text.h"
#include "platform/text/text_log.h"

namespace {

// The character sets in the order of their code-page bits; a family covers one when it has all
// three probe letters.
struct CharsetInfo {
    BYTE charset;
    int codePageBit;
    const char* script;
    char32_t probes[3];
};

constexpr CharsetInfo kCharsets[] = {
    {ANSI_CHARSET, 0, "Western", {0x41, 0xE9, 0xFC}},
    {EASTEUROPE_CHARSET, 1, "Central European", {0x10D, 0x148, 0x151}},
    {RUSSIAN_CHARSET, 2, "Cyrillic", {0x416, 0x44F, 0x451}},
    {GREEK_CHARSET, 3, "Greek", {0x3A9, 0x3B1, 0x3C9}},
    {TURKISH_CHARSET, 4, "Turkish", {0x11F, 0x131, 0x15F}},
    {HEBREW_CHARSET, 5, "Hebrew", {0x5D0, 0x5E9, 0x5EA}},
    {ARABIC_CHARSET, 6, "Arabic", {0x627, 0x628, 0x645}},
    {BALTIC_CHARSET, 7, "Baltic", {0x101, 0x117, 0x173}},
    {VIETNAMESE_CHARSET, 8, "Vietnamese", {0x103, 0x1A1, 0x1B0}},
    {THAI_CHARSET, 16, "Thai", {0xE01, 0xE07, 0xE2D}},
    {SHIFTJIS_CHARSET, 17, "Japanese", {0x3042, 0x30A2, 0x65E5}},
    {GB2312_CHARSET, 18, "CHINESE_GB2312", {0x4E2D, 0x6C49, 0x56FD}},
    {HANGUL_CHARSET, 19, "Hangul", {0xAC00, 0xD55C, 0xAE00}},
    {CHINESEBIG5_CHARSET, 20, "CHINESE_BIG5", {0x4E2D, 0x6F22, 0x570B}},
};
// A family that covers none of them is listed as a symbol font.
constexpr int kSymbolBit = 31;
constexpr const char* kSymbolScript = "Symbol";

struct Family {
    std::string name;
    std::vector<FcPattern*> fonts;  // owned by the font set
    DWORD codePages = 0;
};

std::string lastEnglish(FcPattern* font, const char* object, const char* langObject) {
    FcChar8* value = nullptr;
    std::string found;
    for (int i = 0; FcPatternGetString(font, object, i, &value) == FcResultMatch; ++i) {
        FcChar8* lang = nullptr;
        const bool english = FcPatternGetString(font, langObject, i, &lang) != FcResultMatch ||
                             std::strcmp(reinterpret_cast<const char*>(lang), "en") == 0;
        if (english || found.empty()) found = reinterpret_cast<const char*>(value);
    }
    return found;
}

// A family's name as Windows shows it: the most specific English name ("DejaVu Sans Condensed").
std::string familyName(FcPattern* font) {
    return lastEnglish(font, FC_FAMILY, FC_FAMILYLANG);
}
std::string styleName(FcPattern* font) {
    return lastEnglish(font, FC_STYLE, FC_STYLELANG);
}

DWORD codePagesOf(FcPattern* font) {
    FcCharSet* set = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &set) != FcResultMatch) return 0;
    DWORD pages = 0;
    for (const CharsetInfo& cs : kCharsets) {
        bool all = true;
        for (char32_t c : cs.probes) all = all && FcCharSetHasChar(set, c);
        if (all) pages |= 1u << cs.codePageBit;
    }
    return pages ? pages : (1u << kSymbolBit);
}

int intOf(FcPattern* font, const char* object, int fallback) {
    int v = fallback;
    FcPatternGetInteger(font, object, 0, &v);
    return v;
}

std::string formatOf(FcPattern* font) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(format);
}

// The family's upright regular font, preferring outline formats Windows lists as TrueType.
FcPattern* regularOf(const Family& family) {
    FcPattern* best = nullptr;
    long bestScore = 0;
    for (FcPattern* font : family.fonts) {
        long score = std::labs(intOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR) - FC_WEIGHT_REGULAR);
        if (intOf(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN) score += 1000;
        if (formatOf(font) == "Type 1") score += 1;
        if (!best || score < bestScore) {
            best = font;
            bestScore = score;
        }
    }
    return best;
}

bool sameNameIgnoringCase(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b)) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

// Copies a string into a fixed field, cut without splitting a UTF-8 character.
template <typename Char, std::size_t N>
void copyField(Char (&field)[N], const std::string& text) {
    std::size_t n = text.size();
    if (n >= N) {
        n = N - 1;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
}

bool isRegularStyle(const std::string& style) {
    return style.empty() || style == "Regular" || style == "Book" || style == "Roman" || style == "Normal";
}

// The records a callback receives for one font in one character set.
struct Records {
    ENUMLOGFONTEXA logfont{};
    NEWTEXTMETRICEXA metrics{};
    DWORD fontType = 0;
};

void describe(const Family& family, FcPattern* font, Records* r) {
    const std::string format = formatOf(font);
    const std::string style = styleName(font);
    const int weight = FcWeightToOpenType(intOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR));
    const bool italic = intOf(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    const bool mono = intOf(font, FC_SPACING, FC_PROPORTIONAL) >= FC_MONO;
    FcBool outline = FcTrue;
    FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
    BYTE kind = FF_SWISS;
    if (mono) {
        kind = FF_MODERN;
    } else if ((family.name.find("Serif") != std::string::npos ||
                family.name.find("Roman") != std::string::npos) &&
               family.name.find("Sans") == std::string::npos) {
        kind = FF_ROMAN;
    }
    r->fontType = !outline ? RASTER_FONTTYPE : (format == "Type 1" ? 0 : TRUETYPE_FONTTYPE);

    LOGFONTA& lf = r->logfont.elfLogFont;
    NEWTEXTMETRICA& tm = r->metrics.ntmTm;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfOutPrecision = 3;   // OUT_STROKE_PRECIS
    lf.lfClipPrecision = 2;  // CLIP_STROKE_PRECIS
    lf.lfQuality = DRAFT_QUALITY;
    lf.lfPitchAndFamily = static_cast<BYTE>((mono ? FIXED_PITCH : VARIABLE_PITCH) | kind);
    copyField(lf.lfFaceName, family.name);
    copyField(r->logfont.elfFullName, isRegularStyle(style) ? family.name : family.name + " " + style);
    copyField(r->logfont.elfStyle, style);
    tm.tmWeight = weight;
    tm.tmItalic = lf.lfItalic;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmPitchAndFamily = static_cast<BYTE>((mono ? 0 : TMPF_FIXED_PITCH) | (outline ? TMPF_VECTOR : 0) |
                                            (r->fontType == TRUETYPE_FONTTYPE ? TMPF_TRUETYPE : 0) | kind);
    tm.ntmFlags = (weight >= FW_SEMIBOLD ? NTM_BOLD : 0) | (italic ? NTM_ITALIC : 0);
    if (!tm.ntmFlags) tm.ntmFlags = NTM_REGULAR;
    if (format == "TrueType") tm.ntmFlags |= NTM_TT_OPENTYPE;
    if (format == "CFF") tm.ntmFlags |= NTM_PS_OPENTYPE;
    r->metrics.ntmFontSig.fsCsb[0] = family.codePages;

    // Sizes as Windows reports them for enumeration: the font at a 16-pixel cell.
    FcChar8* file = nullptr;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch) return;
    FT_Face face = tkp_FontLibrary::Get().Face(reinterpret_cast<const char*>(file), intOf(font, FC_INDEX, 0));
    if (!face || !FT_IS_SCALABLE(face)) return;
    const tkp_FontStrike strike(tkp_FontStrike::KeyFor(face, 16, 0, false, false));
    if (!strike.Ok()) return;
    const tkp_DesignMetrics design = tkp_FontStrike::Design(face);
    lf.lfHeight = strike.Height();
    lf.lfWidth = strike.AveCharWidth();
    tm.tmHeight = strike.Height();
    tm.tmAscent = strike.Ascent();
    tm.tmDescent = strike.Descent();
    tm.tmInternalLeading = strike.Height() - strike.Key().ppem;
    tm.tmAveCharWidth = strike.AveCharWidth();
    tm.tmMaxCharWidth =
        static_cast<LONG>((face->bbox.xMax - face->bbox.xMin) * strike.Key().ppem / design.unitsPerEm);
    tm.ntmSizeEM = static_cast<UINT>(design.unitsPerEm);
    tm.ntmCellHeight = static_cast<UINT>(design.ascent + design.descent);
    tm.ntmAvgWidth = static_cast<UINT>(design.avgWidth);
}

// Calls proc for the font in every character set asked for; false when proc asked to stop.
bool report(const Family& family, FcPattern* font, BYTE wanted, FONTENUMPROCA proc, LPARAM lParam,
            int* last) {
    Records r;
    describe(family, font, &r);
    auto call = [&](BYTE charset, const char* script) {
        r.logfont.elfLogFont.lfCharSet = charset;
        r.metrics.ntmTm.tmCharSet = charset;
        copyField(r.logfont.elfScript, std::string(script));
        *last = proc(reinterpret_cast<const LOGFONTA*>(&r.logfont),
                     reinterpret_cast<const TEXTMETRICA*>(&r.metrics), r.fontType, lParam);
        return *last != 0;
    };
    for (const CharsetInfo& cs : kCharsets) {
        if (!(family.codePages & (1u << cs.codePageBit))) continue;
        if (wanted != DEFAULT_CHARSET && wanted != cs.charset) continue;
        if (!call(cs.charset, cs.script)) return false;
    }
    if ((family.codePages & (1u << kSymbolBit)) && (wanted == DEFAULT_CHARSET || wanted == SYMBOL_CHARSET)) {
        return call(SYMBOL_CHARSET, kSymbolScript);
    }
    return true;
}

// The installed families in fontconfig's order, each with its fonts and character sets.
std::vector<Family> collectFamilies(FcFontSet* set) {
    std::vector<Family> families;
    for (int i = 0; i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        const std::string name = familyName(font);
        if (name.empty()) continue;
        Family* family = nullptr;
        for (Family& f : families) {
            if (f.name == name) family = &f;
        }
        if (!family) {
            families.push_back({name, {}, 0});
            family = &families.back();
        }
        family->fonts.push_back(font);
        family->codePages |= codePagesOf(font);
    }
    // A family that covers some character set is not also a symbol font.
    for (Family& f : families) {
        if (f.codePages & ~(1u << kSymbolBit)) f.codePages &= ~(1u << kSymbolBit);
    }
    return families;
}

}  // namespace

int EnumFontFamiliesExA(HDC, LPLOGFONTA lpLogfont, FONTENUMPROCA lpProc, LPARAM lParam, DWORD) {
    if (!lpLogfont || !lpProc) {
        tkp_TextLog("EnumFontFamiliesExA: no LOGFONT or no callback");
        return 0;
    }
    if (!tkp_FontconfigReady()) return 1;
    char face[LF_FACESIZE];
    std::memcpy(face, lpLogfont->lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG, FC_WEIGHT,
                                            FC_SLANT, FC_SPACING, FC_CHARSET, FC_FILE, FC_INDEX, FC_OUTLINE,
                                            FC_FONTFORMAT, static_cast<char*>(nullptr));
    FcFontSet* set = (all && objects) ? FcFontList(nullptr, all, objects) : nullptr;
    int last = 1;
    if (set) {
        bool going = true;
        for (const Family& family : collectFamilies(set)) {
            if (!going) break;
            if (!face[0]) {
                going = report(family, regularOf(family), lpLogfont->lfCharSet, lpProc, lParam, &last);
                continue;
            }
            if (!sameNameIgnoringCase(family.name, face)) continue;
            // A named family is listed once per style.
            std::vector<std::string> styles;
            for (FcPattern* font : family.fonts) {
                const std::string style = styleName(font);
                bool seen = false;
                for (const std::string& s : styles) seen = seen || s == style;
                if (seen) continue;
                styles.push_back(style);
                going = report(family, font, lpLogfont->lfCharSet, lpProc, lParam, &last);
                if (!going) break;
            }
        }
        FcFontSetDestroy(set);
    }
    if (objects) FcObjectSetDestroy(objects);
    if (all) FcPatternDestroy(all);
    return last;
}
