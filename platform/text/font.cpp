// CreateFontA and the system font: LOGFONT to fontconfig match to FreeType face and strike.
#include "platform/text/font.h"

#include <algorithm>
#include <cstring>

#include "platform/text/font_library.h"
#include "platform/text/font_match.h"
#include "platform/text/text_log.h"

namespace {

BYTE toByte(DWORD v) {
    return static_cast<BYTE>(std::min<DWORD>(v, 255));
}

// The strike for a LOGFONT, or null when no face can be loaded.
std::shared_ptr<tkp::text::FontStrike> strikeFor(const LOGFONTA& lf) {
    tkp::text::FontLibrary& library = tkp::text::FontLibrary::Get();
    tkp::text::FontMatch match;
    if (!library.Ok() || !tkp::text::MatchFont(lf, &match)) return nullptr;
    FT_Face face = library.Face(match.file, match.index);
    if (!face) return nullptr;
    auto key = tkp::text::FontStrike::KeyFor(face, lf.lfHeight, lf.lfWidth, match.embolden, match.oblique);
    auto strike = library.Strike(key);
    return strike->Ok() ? strike : nullptr;
}

}  // namespace

tkp::text::GdiFont::~GdiFont() {
    if (!strike) return;
    strike.reset();
    tkp::text::FontLibrary::Get().Trim();
}

int tkp::text::GdiFont::Describe(int size, void* buffer) const {
    if (!buffer) return static_cast<int>(sizeof(LOGFONTA));
    if (size < static_cast<int>(sizeof(LOGFONTA))) return 0;
    std::memcpy(buffer, &logfont, sizeof(LOGFONTA));
    return static_cast<int>(sizeof(LOGFONTA));
}

std::unique_ptr<tkp::text::GdiFont> tkp::text::MakeFont(const LOGFONTA& lf) {
    auto font = std::make_unique<tkp::text::GdiFont>();
    font->logfont = lf;
    font->logfont.lfFaceName[LF_FACESIZE - 1] = 0;
    font->strike = strikeFor(font->logfont);
    if (!font->strike && tkp::text::FontsInstalled())
        tkp::text::TextLog("font \"%s\" has no usable face; the system font is used",
                           font->logfont.lfFaceName);
    return font;
}

tkp::text::GdiFont* tkp::text::SystemFont() {
    static tkp::text::GdiFont* system = [] {
        LOGFONTA lf{};
        lf.lfHeight = 16;
        lf.lfWeight = FW_BOLD;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        tkp::text::GdiFont* font = tkp::text::MakeFont(lf).release();
        font->stock = true;
        return font;
    }();
    return system;
}

namespace {

// The stock fonts draw in the system font, and so describe themselves as it.
[[maybe_unused]] const bool g_stockFontsDescribed = [] {
    tkp::gdi::DescribeStockFont = [](int size, void* buffer) {
        return tkp::text::SystemFont()->Describe(size, buffer);
    };
    return true;
}();

}  // namespace

tkp::text::FontUse tkp::text::FontFor(HFONT handle) {
    tkp::text::FontUse use;
    // A handle that is no longer (or never was) a live object is not followed.
    const bool usable = handle && tkp::gdi::GdiIsLive(handle) && !handle->stock;
    auto* font = usable ? dynamic_cast<tkp::text::GdiFont*>(handle) : nullptr;
    if (font && font->strike) {
        use.strike = font->strike.get();
        use.underline = font->logfont.lfUnderline != 0;
        use.strikeOut = font->logfont.lfStrikeOut != 0;
        return use;
    }
    if (font) {
        use.underline = font->logfont.lfUnderline != 0;
        use.strikeOut = font->logfont.lfStrikeOut != 0;
    }
    use.strike = tkp::text::SystemFont()->strike.get();
    return use;
}

HFONT CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision,
                  DWORD iClipPrecision, DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = bItalic ? 1 : 0;
    lf.lfUnderline = bUnderline ? 1 : 0;
    lf.lfStrikeOut = bStrikeOut ? 1 : 0;
    lf.lfCharSet = toByte(iCharSet);
    lf.lfOutPrecision = toByte(iOutPrecision);
    lf.lfClipPrecision = toByte(iClipPrecision);
    lf.lfQuality = toByte(iQuality);
    lf.lfPitchAndFamily = toByte(iPitchAndFamily);
    // The face name is cut to the field's 31 bytes without splitting a UTF-8 character.
    if (pszFaceName) {
        std::size_t n = strnlen(pszFaceName, LF_FACESIZE);
        if (n >= LF_FACESIZE) {
            n = LF_FACESIZE - 1;
            while (n > 0 && (static_cast<unsigned char>(pszFaceName[n]) & 0xC0) == 0x80) --n;
        }
        std::memcpy(lf.lfFaceName, pszFaceName, n);
    }
    if (cEscapement != 0 || cOrientation != 0) {
        tkp::text::TextLog(
            "CreateFontA: escapement %d and orientation %d are not supported; text is drawn level",
            cEscapement, cOrientation);
    }
    return tkp::text::MakeFont(lf).release();
}
