// What the game remembers of its player between runs beside the settings file: the name font's
// face, width and height, and the step of one-switch scanning. Read at start, written when the
// window goes, whichever way it was closed.
#define TK_MODULE "Kartola"
#include <cstdlib>
#include <string>

#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "game/kartola_app.h"
#include "game/kartola_fonts.h"
#include "game/kartola_memory.h"

namespace {

// A whole number within [low, high] kept under key; fallback when there is none or it is bad.
int number(const GameMemory& memory, const char* key, int fallback, int low, int high) {
    const std::string text = memory.Get(key);
    if (text.empty()) return fallback;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < low || value > high) {
        TK_LOG("pamat: zla hodnota, ponechavam povodnu", key);
        return fallback;
    }
    return static_cast<int>(value);
}

// Steps shorter than this would be too quick for anyone to press at the right card.
constexpr int kShortestScanStep = 300;
constexpr int kLongestScanStep = 60000;

}  // namespace

void CKartolaApp::RecallSettings() {
    GameMemory memory;
    memory.Load();
    const std::string face = memory.Get("font");
    if (!face.empty()) {
        const int found = NAJDI_FONT(face.c_str());
        // NAJDI_FONT answers 0 also for a face that is gone; only a real match is taken.
        if (REG_FONTY.count > 0 && face == static_cast<const char*>(REG_FONTY.items[found]))
            g_iTextFont = found;
    }
    g_TextFontW = number(memory, "font_width", g_TextFontW, 1, 400);
    g_TextFontH = number(memory, "font_height", g_TextFontH, 1, 400);
    if (scan_ms < 0) scan_ms = number(memory, "scan", 0, 0, kLongestScanStep);
    if (scan_ms > 0 && scan_ms < kShortestScanStep) scan_ms = kShortestScanStep;
    if (scan_ms > 0) {
        scan_step_ = scan_ms;
        TK_LOG("skenovanie, krok ms", scan_ms);
        SetTimer(tk_hWnd, kScanTimer, static_cast<UINT>(scan_ms), nullptr);
    }
}

void CKartolaApp::RememberSettings() {
    GameMemory memory;
    memory.Load();
    if (g_iTextFont >= 0 && g_iTextFont < REG_FONTY.count)
        memory.Set("font", static_cast<const char*>(REG_FONTY.items[g_iTextFont]));
    memory.Set("font_width", std::to_string(g_TextFontW));
    memory.Set("font_height", std::to_string(g_TextFontH));
    // Scanning is kept as the menu left it; "--scan" alone is for its run.
    if (scan_switched_) memory.Set("scan", std::to_string(scan_ms > 0 ? scan_ms : 0));
    memory.Save();
}
