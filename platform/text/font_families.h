// The installed font families as fontconfig lists them, each with its fonts and the Windows
// character sets it covers.
#pragma once

#include <fontconfig/fontconfig.h>

#include <string>
#include <vector>

#include "platform/base/wintypes.h"

// A character set: its code-page bit, Windows' script name, and three letters a family must have.
struct tkp_CharsetInfo {
    BYTE charset;
    int codePageBit;
    const char* script;
    char32_t probes[3];
};

// The character sets in the order of their code-page bits. A family that covers none of them is
// listed as a symbol font (code-page bit 31).
const std::vector<tkp_CharsetInfo>& tkp_Charsets();
constexpr int tkp_kSymbolBit = 31;

struct tkp_FontFamily {
    std::string name;               // the most specific English name ("DejaVu Sans Condensed")
    std::vector<FcPattern*> fonts;  // owned by the list
    DWORD codePages = 0;            // bit per character set covered
};

// Every installed family, sorted by name, then the substituted faces (below) that are not
// installed, each as the installed family that stands in for it.
class tkp_FontFamilies {
  public:
    tkp_FontFamilies();
    ~tkp_FontFamilies();
    tkp_FontFamilies(const tkp_FontFamilies&) = delete;
    tkp_FontFamilies& operator=(const tkp_FontFamilies&) = delete;
    const std::vector<tkp_FontFamily>& All() const { return families_; }

  private:
    void AddSubstitutes();
    FcFontSet* set_ = nullptr;
    std::vector<tkp_FontFamily> families_;
};

// Faces of other systems that programs ask for by name ("Verdana"), in the order they are listed.
const std::vector<std::string>& tkp_SubstitutedFaces();

// A family's upright regular font, preferring formats Windows lists as TrueType.
FcPattern* tkp_RegularOf(const tkp_FontFamily& family);

// Values of a listed font.
std::string tkp_FcStyle(FcPattern* font);
std::string tkp_FcFormat(FcPattern* font);
int tkp_FcInt(FcPattern* font, const char* object, int fallback);
