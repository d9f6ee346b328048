// The installed font families as fontconfig lists them, each with its fonts and the Windows
// character sets it covers.
#pragma once

#include <fontconfig/fontconfig.h>

#include <string>
#include <vector>

#include "platform/base/wintypes.h"

namespace tkp::text {

// A character set: its code-page bit, Windows' script name, and three letters a family must have.
struct CharsetInfo {
    BYTE charset;
    int codePageBit;
    const char* script;
    char32_t probes[3];
};

// The character sets in the order of their code-page bits. A family that covers none of them is
// listed as a symbol font (code-page bit 31).
const std::vector<CharsetInfo>& Charsets();
constexpr int kSymbolBit = 31;

struct FontFamily {
    std::string name;               // the most specific English name ("DejaVu Sans Condensed")
    std::vector<FcPattern*> fonts;  // owned by the list
    DWORD codePages = 0;            // bit per character set covered
};

// Every installed family, sorted by name, then the substituted faces (below) that are not
// installed, each as the installed family that stands in for it.
class FontFamilies {
  public:
    FontFamilies();
    ~FontFamilies();
    FontFamilies(const FontFamilies&) = delete;
    FontFamilies& operator=(const FontFamilies&) = delete;
    const std::vector<FontFamily>& All() const { return families_; }

  private:
    void AddSubstitutes();
    FcFontSet* set_ = nullptr;
    std::vector<FontFamily> families_;
};

// Faces of other systems that programs ask for by name ("Verdana"), in the order they are listed.
const std::vector<std::string>& SubstitutedFaces();

// A family's upright regular font, preferring formats Windows lists as TrueType.
FcPattern* RegularOf(const FontFamily& family);

// Values of a listed font.
std::string FcStyle(FcPattern* font);
std::string FcFormat(FcPattern* font);
int FcInt(FcPattern* font, const char* object, int fallback);

}  // namespace tkp::text
