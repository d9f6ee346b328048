// Face resolution through fontconfig: substitution, default values, best match.
#include "platform/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

#include "platform/text/text_log.h"

bool tkp::text::FontconfigReady() {
    // Started once; its configuration and caches are given back when the process ends.
    static const bool ready = [] {
        if (FcInit() != FcTrue) return false;
        std::atexit([] { FcFini(); });
        return true;
    }();
    static bool reported = false;
    if (!ready && !reported) {
        tkp::text::TextLog("fontconfig cannot be started; no fonts are found");
        reported = true;
    }
    return ready;
}

const char* tkp::text::CharsetLanguage(int charset) {
    switch (charset) {
        case EASTEUROPE_CHARSET:
            return "sk";
        case RUSSIAN_CHARSET:
            return "ru";
        case GREEK_CHARSET:
            return "el";
        case TURKISH_CHARSET:
            return "tr";
        case BALTIC_CHARSET:
            return "lt";
        case HEBREW_CHARSET:
            return "he";
        case ARABIC_CHARSET:
            return "ar";
        case VIETNAMESE_CHARSET:
            return "vi";
        case THAI_CHARSET:
            return "th";
        case SHIFTJIS_CHARSET:
            return "ja";
        case HANGUL_CHARSET:
            return "ko";
        case GB2312_CHARSET:
            return "zh-cn";
        case CHINESEBIG5_CHARSET:
            return "zh-tw";
        default:
            return nullptr;
    }
}

namespace {

// The generic family standing behind the face name, from the pitch and family byte.
const char* genericFamily(BYTE pitchAndFamily) {
    if ((pitchAndFamily & 0x03) == FIXED_PITCH) return "monospace";
    switch (pitchAndFamily & 0xF0) {
        case FF_ROMAN:
            return "serif";
        case FF_MODERN:
            return "monospace";
        default:
            return "sans-serif";
    }
}

bool findMatch(const LOGFONTA& lf, const char* face, tkp::text::FontMatch* out) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    const auto* family = reinterpret_cast<const FcChar8*>(face);
    if (face[0]) FcPatternAddString(pattern, FC_FAMILY, family);
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(genericFamily(lf.lfPitchAndFamily)));
    const int weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min<int>(lf.lfWeight, 1000);
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
    FcPatternAddInteger(pattern, FC_SLANT, lf.lfItalic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    if (const char* lang = tkp::text::CharsetLanguage(lf.lfCharSet)) {
        FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>(lang));
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (!match) return false;
    FcChar8* file = nullptr;
    int index = 0, matchedWeight = FC_WEIGHT_REGULAR, matchedSlant = FC_SLANT_ROMAN;
    FcBool emboldenByConfig = FcFalse;
    const bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
    if (ok) {
        FcPatternGetInteger(match, FC_INDEX, 0, &index);
        FcPatternGetInteger(match, FC_WEIGHT, 0, &matchedWeight);
        FcPatternGetInteger(match, FC_SLANT, 0, &matchedSlant);
        FcPatternGetBool(match, FC_EMBOLDEN, 0, &emboldenByConfig);
        out->file = reinterpret_cast<const char*>(file);
        out->index = index;
        out->embolden = weight >= FW_SEMIBOLD && (matchedWeight < FC_WEIGHT_DEMIBOLD || emboldenByConfig);
        out->oblique = lf.lfItalic && matchedSlant == FC_SLANT_ROMAN;
    }
    FcPatternDestroy(match);
    return ok;
}

}  // namespace

bool tkp::text::FontsInstalled() {
    static const bool any = [] {
        if (!tkp::text::FontconfigReady()) return false;
        const FcFontSet* set = FcConfigGetFonts(nullptr, FcSetSystem);
        return set != nullptr && set->nfont > 0;
    }();
    static bool reported = false;
    if (!any && !reported) {
        tkp::text::TextLog(
            "fontconfig knows no installed font at all; text cannot be drawn (install fonts-dejavu-core)");
        reported = true;
    }
    return any;
}

bool tkp::text::MatchFont(const LOGFONTA& lf, tkp::text::FontMatch* out) {
    // Without any font every face would be reported missing, one line each time it is asked for.
    if (!tkp::text::FontsInstalled()) return false;
    // The face name as a bounded string, whatever the caller left in the array.
    char face[LF_FACESIZE];
    std::memcpy(face, lf.lfFaceName, LF_FACESIZE);
    face[LF_FACESIZE - 1] = 0;
    // fontconfig compares family names without regard to case, and so does the cache.
    std::string key(face);
    for (char& c : key) c = static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    char rest[64];
    std::snprintf(rest, sizeof rest, "|%ld|%d|%d|%d", static_cast<long>(lf.lfWeight), lf.lfItalic ? 1 : 0,
                  lf.lfCharSet, lf.lfPitchAndFamily);
    key += rest;
    static std::map<std::string, tkp::text::FontMatch> cache;
    auto found = cache.find(key);
    if (found != cache.end()) {
        *out = found->second;
        return true;
    }
    if (!findMatch(lf, face, out)) {
        tkp::text::TextLog("no installed font matches \"%s\"", face);
        return false;
    }
    cache[key] = *out;
    return true;
}
