// EnumFontFamiliesExA: one call per installed family and character set, with Windows' records.
#include <cstring>
#include <string>
#include <vector>

#include "platform/text/font_families.h"
#include "platform/text/font_library.h"
#include "platform/text/text.h"
#include "platform/text/text_log.h"

namespace {

constexpr const char* kSymbolScript = "Symbol";

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

void describe(const tkp::text::FontFamily& family, FcPattern* font, Records* r) {
    const std::string format = tkp::text::FcFormat(font);
    const std::string style = tkp::text::FcStyle(font);
    const int weight = FcWeightToOpenType(tkp::text::FcInt(font, FC_WEIGHT, FC_WEIGHT_REGULAR));
    const bool italic = tkp::text::FcInt(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
    const bool mono = tkp::text::FcInt(font, FC_SPACING, FC_PROPORTIONAL) >= FC_MONO;
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
    FT_Face face = tkp::text::FontLibrary::Get().Face(reinterpret_cast<const char*>(file),
                                                      tkp::text::FcInt(font, FC_INDEX, 0));
    if (!face || !FT_IS_SCALABLE(face)) return;
    const tkp::text::FontStrike strike(tkp::text::FontStrike::KeyFor(face, 16, 0, false, false));
    if (!strike.Ok()) return;
    const tkp::text::DesignMetrics design = tkp::text::FontStrike::Design(face);
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
bool report(const tkp::text::FontFamily& family, FcPattern* font, BYTE wanted, FONTENUMPROCA proc,
            LPARAM lParam, int* last) {
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
    for (const tkp::text::CharsetInfo& cs : tkp::text::Charsets()) {
        if (!(family.codePages & (1u << cs.codePageBit))) continue;
        if (wanted != DEFAULT_CHARSET && wanted != cs.charset) continue;
        if (!call(cs.charset, cs.script)) return false;
    }
    if ((family.codePages & (1u << tkp::text::kSymbolBit)) &&
        (wanted == DEFAULT_CHARSET || wanted == SYMBOL_CHARSET)) {
        return call(SYMBOL_CHARSET, kSymbolScript);
    }
    return true;
}

}  // namespace

int EnumFontFamiliesExA(HDC, LPLOGFONTA lpLogfont, FONTENUMPROCA lpProc, LPARAM lParam, DWORD) {
    if (!lpLogfont || !lpProc) {
        tkp::text::TextLog("EnumFontFamiliesExA: no LOGFONT or no callback");
        return 0;
    }
    char face[LF_FACESIZE];
    std::memcpy(face, lpLogfont->lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    const tkp::text::FontFamilies families;
    int last = 1;
    for (const tkp::text::FontFamily& family : families.All()) {
        if (!face[0]) {
            if (!report(family, tkp::text::RegularOf(family), lpLogfont->lfCharSet, lpProc, lParam, &last))
                break;
            continue;
        }
        if (!sameNameIgnoringCase(family.name, face)) continue;
        // A named family is listed once per style.
        std::vector<std::string> styles;
        for (FcPattern* font : family.fonts) {
            const std::string style = tkp::text::FcStyle(font);
            bool seen = false;
            for (const std::string& s : styles) seen = seen || s == style;
            if (seen) continue;
            styles.push_back(style);
            if (!report(family, font, lpLogfont->lfCharSet, lpProc, lParam, &last)) return last;
        }
    }
    return last;
}
