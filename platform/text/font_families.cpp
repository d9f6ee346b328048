// Families from FcFontList: grouping by name, character-set coverage, the regular member.
#include "platform/text/font_families.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/text/font_match.h"
#include "platform/text/text.h"

namespace {

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

DWORD codePagesOf(FcPattern* font) {
    FcCharSet* set = nullptr;
    if (FcPatternGetCharSet(font, FC_CHARSET, 0, &set) != FcResultMatch) return 0;
    DWORD pages = 0;
    for (const tkp::text::CharsetInfo& cs : tkp::text::Charsets()) {
        bool all = true;
        for (char32_t c : cs.probes) all = all && FcCharSetHasChar(set, c);
        if (all) pages |= 1u << cs.codePageBit;
    }
    return pages ? pages : (1u << tkp::text::kSymbolBit);
}

}  // namespace

const std::vector<tkp::text::CharsetInfo>& tkp::text::Charsets() {
    static const std::vector<tkp::text::CharsetInfo> charsets = {
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
    return charsets;
}

tkp::text::FontFamilies::FontFamilies() {
    if (!tkp::text::FontconfigReady()) return;
    FcPattern* all = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, FC_STYLE, FC_STYLELANG, FC_WEIGHT,
                                            FC_SLANT, FC_SPACING, FC_CHARSET, FC_FILE, FC_INDEX, FC_OUTLINE,
                                            FC_FONTFORMAT, static_cast<char*>(nullptr));
    if (all && objects) set_ = FcFontList(nullptr, all, objects);
    if (objects) FcObjectSetDestroy(objects);
    if (all) FcPatternDestroy(all);
    if (!set_) return;
    for (int i = 0; i < set_->nfont; ++i) {
        FcPattern* font = set_->fonts[i];
        const std::string name = lastEnglish(font, FC_FAMILY, FC_FAMILYLANG);
        if (name.empty()) continue;
        tkp::text::FontFamily* family = nullptr;
        for (tkp::text::FontFamily& f : families_) {
            if (f.name == name) family = &f;
        }
        if (!family) family = &families_.emplace_back(tkp::text::FontFamily{name, {}, 0});
        family->fonts.push_back(font);
        family->codePages |= codePagesOf(font);
    }
    // A family that covers some character set is not also a symbol font.
    for (tkp::text::FontFamily& f : families_) {
        if (f.codePages & ~(1u << tkp::text::kSymbolBit)) f.codePages &= ~(1u << tkp::text::kSymbolBit);
    }
    // fontconfig's own order follows its caches; by name it is the same on every run.
    std::sort(families_.begin(), families_.end(),
              [](const tkp::text::FontFamily& a, const tkp::text::FontFamily& b) { return a.name < b.name; });
    AddSubstitutes();
}

const std::vector<std::string>& tkp::text::SubstitutedFaces() {
    static const std::vector<std::string> faces = {"Arial",  "Comic Sans MS",   "Courier New",  "Georgia",
                                                   "Tahoma", "Times New Roman", "Trebuchet MS", "Verdana"};
    return faces;
}

// A face that programs ask for by name and that is not installed is listed under that name with
// the installed family that stands in for it, when that family has the Central European letters.
void tkp::text::FontFamilies::AddSubstitutes() {
    const std::size_t installed = families_.size();
    for (const std::string& face : tkp::text::SubstitutedFaces()) {
        bool present = false;
        for (std::size_t i = 0; i < installed; ++i)
            present = present || strcasecmp(families_[i].name.c_str(), face.c_str()) == 0;
        if (present) continue;
        LOGFONTA lf{};
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = EASTEUROPE_CHARSET;
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", face.c_str());
        tkp::text::FontMatch match;
        if (!tkp::text::MatchFont(lf, &match)) continue;
        for (std::size_t i = 0; i < installed; ++i) {
            const tkp::text::FontFamily& family = families_[i];
            if (!(family.codePages & (1u << 1))) continue;
            bool holds = false;
            for (FcPattern* font : family.fonts) {
                FcChar8* file = nullptr;
                holds = holds || (FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch &&
                                  match.file == reinterpret_cast<const char*>(file));
            }
            if (!holds) continue;
            families_.push_back(tkp::text::FontFamily{face, family.fonts, family.codePages});
            break;
        }
    }
}

tkp::text::FontFamilies::~FontFamilies() {
    if (set_) FcFontSetDestroy(set_);
}

FcPattern* tkp::text::RegularOf(const tkp::text::FontFamily& family) {
    FcPattern* best = nullptr;
    long bestScore = 0;
    for (FcPattern* font : family.fonts) {
        long score = std::labs(tkp::text::FcInt(font, FC_WEIGHT, FC_WEIGHT_REGULAR) - FC_WEIGHT_REGULAR);
        if (tkp::text::FcInt(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN) score += 1000;
        if (tkp::text::FcFormat(font) == "Type 1") score += 1;
        if (!best || score < bestScore) {
            best = font;
            bestScore = score;
        }
    }
    return best;
}

std::string tkp::text::FcStyle(FcPattern* font) {
    return lastEnglish(font, FC_STYLE, FC_STYLELANG);
}

std::string tkp::text::FcFormat(FcPattern* font) {
    FcChar8* format = nullptr;
    if (FcPatternGetString(font, FC_FONTFORMAT, 0, &format) != FcResultMatch) return {};
    return reinterpret_cast<const char*>(format);
}

int tkp::text::FcInt(FcPattern* font, const char* object, int fallback) {
    int v = fallback;
    FcPatternGetInteger(font, object, 0, &v);
    return v;
}
