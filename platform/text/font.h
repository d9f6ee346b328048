// The font object behind an HFONT, and the font text is drawn in for a device context's selection.
// Internal to platform/.
#pragma once

#include <memory>

#include "platform/gdi/gdi_object.h"
#include "platform/text/font_strike.h"
#include "platform/text/text.h"

namespace tkp::text {

struct GdiFont : tkp::gdi::GdiObject {
    GdiFont() : tkp::gdi::GdiObject(tkp::gdi::GdiKind::Font) {}
    ~GdiFont() override;
    // The font's LOGFONTA, as GetObjectA gives it.
    int Describe(int size, void* buffer) const override;
    LOGFONTA logfont{};
    // The face at the font's size; null when no face could be loaded (the system font then serves).
    std::shared_ptr<FontStrike> strike;
};

// What drawing needs of a font: its strike and its decorations.
struct FontUse {
    FontStrike* strike = nullptr;  // null only when no font at all can be loaded
    bool underline = false;
    bool strikeOut = false;
};

// Makes a font for a LOGFONT: the face resolved through fontconfig, the strike shared.
std::unique_ptr<GdiFont> MakeFont(const LOGFONTA& lf);

// The stock system font: DejaVu Sans (sans-serif) bold with a 16-pixel cell; never deleted.
GdiFont* SystemFont();

// The font a DC draws with: a live font of ours as it is; null, stock, dead and other handles give
// the system font.
FontUse FontFor(HFONT font);

}  // namespace tkp::text
