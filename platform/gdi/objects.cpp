// GDI objects: the registry of live objects, pens, brushes, stock objects and deletion.
#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"

namespace {

// Never destroyed, so objects freed during static destruction still find them.
std::mutex& RegistryMutex() {
    static auto* mutex = new std::mutex();
    return *mutex;
}
std::unordered_set<const tkp_GdiObject*>& Registry() {
    static auto* live = new std::unordered_set<const tkp_GdiObject*>();
    return *live;
}

tkp_GdiPen* StockPen(bool null, COLORREF colour) {
    auto* pen = new tkp_GdiPen();
    pen->stock = true;
    pen->null = null;
    pen->colour = colour;
    return pen;
}

tkp_GdiBrush* StockBrush(bool null, COLORREF colour) {
    auto* brush = new tkp_GdiBrush();
    brush->stock = true;
    brush->null = null;
    brush->colour = colour;
    return brush;
}

tkp_GdiObject* StockFont() {
    auto* font = new tkp_GdiObject(tkp_GdiKind::Font);
    font->stock = true;
    return font;
}

}  // namespace

void tkp_GdiRegister(tkp_GdiObject* object) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry().insert(object);
}

void tkp_GdiUnregister(tkp_GdiObject* object) {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    Registry().erase(object);
}

namespace tkp::testing {
// Declared for tests in platform/testing/test_hooks.h.
int LiveGdiObjectCount() {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    return static_cast<int>(Registry().size());
}

int LiveGdiFontCount() {
    std::lock_guard<std::mutex> lock(RegistryMutex());
    return static_cast<int>(std::count_if(Registry().begin(), Registry().end(), [](const tkp_GdiObject* o) {
        return o->kind == tkp_GdiKind::Font;
    }));
}
}  // namespace tkp::testing

bool tkp_GdiIsLive(const tkp_GdiObject* object) {
    if (!object) return false;
    std::lock_guard<std::mutex> lock(RegistryMutex());
    return Registry().count(object) != 0;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    auto* pen = new tkp_GdiPen();
    pen->null = style == PS_NULL;
    // Width 0 means one pixel, as in GDI; very wide pens are capped.
    pen->width = width < 1 ? 1 : (width > 64 ? 64 : width);
    pen->colour = colour & 0xFFFFFF;
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto* brush = new tkp_GdiBrush();
    brush->colour = colour & 0xFFFFFF;
    return brush;
}

HGDIOBJ GetStockObject(int which) {
    static tkp_GdiObject* const whiteBrush = StockBrush(false, RGB(255, 255, 255));
    static tkp_GdiObject* const blackBrush = StockBrush(false, RGB(0, 0, 0));
    static tkp_GdiObject* const nullBrush = StockBrush(true, 0);
    static tkp_GdiObject* const whitePen = StockPen(false, RGB(255, 255, 255));
    static tkp_GdiObject* const blackPen = StockPen(false, RGB(0, 0, 0));
    static tkp_GdiObject* const nullPen = StockPen(true, 0);
    static tkp_GdiObject* const ansiVarFont = StockFont();
    static tkp_GdiObject* const systemFont = StockFont();
    static tkp_GdiObject* const guiFont = StockFont();
    switch (which) {
        case WHITE_BRUSH:
            return whiteBrush;
        case BLACK_BRUSH:
            return blackBrush;
        case NULL_BRUSH:
            return nullBrush;
        case WHITE_PEN:
            return whitePen;
        case BLACK_PEN:
            return blackPen;
        case NULL_PEN:
            return nullPen;
        case ANSI_VAR_FONT:
            return ansiVarFont;
        case SYSTEM_FONT:
            return systemFont;
        case DEFAULT_GUI_FONT:
            return guiFont;
        default:
            return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object) {
    if (!tkp_GdiIsLive(object)) return FALSE;
    if (object->stock) return TRUE;
    // Still selected: the last DC to let go of it finishes the deletion.
    if (object->selectedCount > 0) {
        object->deletePending = true;
        return TRUE;
    }
    delete object;
    return TRUE;
}
