// GDI objects: the registry of live objects, pens, brushes, stock objects and deletion.
#include <algorithm>
#include <mutex>
#include <unordered_set>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"

namespace {

// Never destroyed, so objects freed during static destruction still find them.
std::mutex& registryMutex() {
    static auto* mutex = new std::mutex();
    return *mutex;
}
std::unordered_set<const tkp::gdi::GdiObject*>& registry() {
    static auto* live = new std::unordered_set<const tkp::gdi::GdiObject*>();
    return *live;
}

tkp::gdi::GdiPen* stockPen(bool null, COLORREF colour) {
    auto* pen = new tkp::gdi::GdiPen();
    pen->stock = true;
    pen->null = null;
    pen->colour = colour;
    return pen;
}

tkp::gdi::GdiBrush* stockBrush(bool null, COLORREF colour) {
    auto* brush = new tkp::gdi::GdiBrush();
    brush->stock = true;
    brush->null = null;
    brush->colour = colour;
    return brush;
}

struct StockFontObject : tkp::gdi::GdiObject {
    StockFontObject() : tkp::gdi::GdiObject(tkp::gdi::GdiKind::Font) { stock = true; }
    int Describe(int size, void* buffer) const override {
        return tkp::gdi::DescribeStockFont ? tkp::gdi::DescribeStockFont(size, buffer) : 0;
    }
};

tkp::gdi::GdiObject* stockFont() {
    return new StockFontObject();
}

}  // namespace

int (*tkp::gdi::DescribeStockFont)(int size, void* buffer) = nullptr;

void tkp::gdi::GdiRegister(tkp::gdi::GdiObject* object) {
    std::lock_guard<std::mutex> lock(registryMutex());
    registry().insert(object);
}

void tkp::gdi::GdiUnregister(tkp::gdi::GdiObject* object) {
    std::lock_guard<std::mutex> lock(registryMutex());
    registry().erase(object);
}

namespace tkp::testing {
// Declared for tests in platform/testing/test_hooks.h.
int LiveGdiObjectCount() {
    std::lock_guard<std::mutex> lock(registryMutex());
    return static_cast<int>(registry().size());
}

int LiveGdiFontCount() {
    std::lock_guard<std::mutex> lock(registryMutex());
    return static_cast<int>(
        std::count_if(registry().begin(), registry().end(),
                      [](const tkp::gdi::GdiObject* o) { return o->kind == tkp::gdi::GdiKind::Font; }));
}
}  // namespace tkp::testing

bool tkp::gdi::GdiIsLive(const tkp::gdi::GdiObject* object) {
    if (!object) return false;
    std::lock_guard<std::mutex> lock(registryMutex());
    return registry().count(object) != 0;
}

HPEN CreatePen(int style, int width, COLORREF colour) {
    auto* pen = new tkp::gdi::GdiPen();
    pen->null = style == PS_NULL;
    // Width 0 means one pixel, as in GDI; very wide pens are capped.
    pen->width = width < 1 ? 1 : (width > 64 ? 64 : width);
    pen->colour = colour & 0xFFFFFF;
    return pen;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto* brush = new tkp::gdi::GdiBrush();
    brush->colour = colour & 0xFFFFFF;
    return brush;
}

HGDIOBJ GetStockObject(int which) {
    static tkp::gdi::GdiObject* const whiteBrush = stockBrush(false, RGB(255, 255, 255));
    static tkp::gdi::GdiObject* const blackBrush = stockBrush(false, RGB(0, 0, 0));
    static tkp::gdi::GdiObject* const nullBrush = stockBrush(true, 0);
    static tkp::gdi::GdiObject* const whitePen = stockPen(false, RGB(255, 255, 255));
    static tkp::gdi::GdiObject* const blackPen = stockPen(false, RGB(0, 0, 0));
    static tkp::gdi::GdiObject* const nullPen = stockPen(true, 0);
    static tkp::gdi::GdiObject* const ansiVarFont = stockFont();
    static tkp::gdi::GdiObject* const systemFont = stockFont();
    static tkp::gdi::GdiObject* const guiFont = stockFont();
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
    if (!tkp::gdi::GdiIsLive(object)) return FALSE;
    if (object->stock) return TRUE;
    // Still selected: the last DC to let go of it finishes the deletion.
    if (object->selectedCount > 0) {
        object->deletePending = true;
        return TRUE;
    }
    delete object;
    return TRUE;
}
