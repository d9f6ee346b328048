// Device contexts: the live list, creation and deletion, selection of objects, colours and modes.
#include <mutex>
#include <unordered_set>

#include "platform/gdi/dc_internal.h"
#include "platform/gdi/gdi.h"

namespace {

std::mutex& dcMutex() {
    static auto* mutex = new std::mutex();
    return *mutex;
}
std::unordered_set<const tkp::gdi::DC*>& liveDCs() {
    static auto* live = new std::unordered_set<const tkp::gdi::DC*>();
    return *live;
}

void selectObject(HGDIOBJ object) {
    if (object) ++object->selectedCount;
}

// Lets go of an object, finishing a deletion that waited for the last DC.
void deselectObject(HGDIOBJ object) {
    if (!object) return;
    if (--object->selectedCount == 0 && object->deletePending) delete object;
}

// An empty bitmap, selected into every new memory DC so that it can be selected back.
tkp::gdi::GdiBitmap* defaultBitmap() {
    static tkp::gdi::GdiBitmap* const bitmap = [] {
        auto* b = new tkp::gdi::GdiBitmap();
        b->stock = true;
        return b;
    }();
    return bitmap;
}

tkp::gdi::DC* newDC(bool memory) {
    auto* dc = new tkp::gdi::DC();
    dc->memory = memory;
    dc->pen = GetStockObject(BLACK_PEN);
    dc->brush = GetStockObject(WHITE_BRUSH);
    dc->font = GetStockObject(SYSTEM_FONT);
    selectObject(dc->pen);
    selectObject(dc->brush);
    selectObject(dc->font);
    if (memory) {
        dc->bitmap = defaultBitmap();
        selectObject(dc->bitmap);
    }
    std::lock_guard<std::mutex> lock(dcMutex());
    liveDCs().insert(dc);
    return dc;
}

}  // namespace

namespace tkp::gdi {

tkp::gdi::DC* CreateSurfaceDC(const pixels::PixelView& pixels) {
    tkp::gdi::DC* dc = newDC(false);
    dc->surface = pixels;
    return dc;
}

void DestroyDC(tkp::gdi::DC* dc) {
    {
        std::lock_guard<std::mutex> lock(dcMutex());
        liveDCs().erase(dc);
    }
    deselectObject(dc->pen);
    deselectObject(dc->brush);
    deselectObject(dc->font);
    deselectObject(dc->bitmap);
    delete dc;
}

tkp::gdi::DC* FindDC(HDC dc) {
    if (!dc) return nullptr;
    std::lock_guard<std::mutex> lock(dcMutex());
    return liveDCs().count(dc) ? dc : nullptr;
}

}  // namespace tkp::gdi

namespace tkp::testing {
// Declared for tests in platform/testing/test_hooks.h.
int LiveDCCount() {
    std::lock_guard<std::mutex> lock(dcMutex());
    return static_cast<int>(liveDCs().size());
}
}  // namespace tkp::testing

HDC CreateCompatibleDC(HDC /*dc*/) {
    return newDC(true);
}

BOOL DeleteDC(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || !d->memory) return FALSE;
    tkp::gdi::DestroyDC(d);
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || !tkp::gdi::GdiIsLive(object) || object->deletePending) return nullptr;
    HGDIOBJ* slot = nullptr;
    switch (object->kind) {
        case tkp::gdi::GdiKind::Pen:
            slot = &d->pen;
            break;
        case tkp::gdi::GdiKind::Brush:
            slot = &d->brush;
            break;
        case tkp::gdi::GdiKind::Font:
            slot = &d->font;
            break;
        case tkp::gdi::GdiKind::Bitmap: {
            auto* bitmap = static_cast<tkp::gdi::GdiBitmap*>(object);
            // Only a memory DC takes a bitmap, and a bitmap sits in one DC at a time.
            if (!d->memory) return nullptr;
            if (bitmap != d->bitmap && bitmap->selectedCount > 0 && bitmap != defaultBitmap()) return nullptr;
            HGDIOBJ previous = d->bitmap;
            d->bitmap = bitmap;
            selectObject(bitmap);
            deselectObject(previous);
            return previous;
        }
    }
    HGDIOBJ previous = *slot;
    *slot = object;
    selectObject(object);
    deselectObject(previous);
    return previous;
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d) return CLR_INVALID;
    COLORREF previous = d->textColour;
    d->textColour = colour & 0xFFFFFF;
    return previous;
}

int SetBkMode(HDC dc, int mode) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    if (!d || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = d->bkMode;
    d->bkMode = mode;
    return previous;
}

HFONT tkp::gdi::DcFont(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? d->font : nullptr;
}

COLORREF tkp::gdi::DcTextColour(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? d->textColour : RGB(0, 0, 0);
}

int tkp::gdi::DcBkMode(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? d->bkMode : OPAQUE;
}

COLORREF tkp::gdi::DcBkColour(HDC dc) {
    tkp::gdi::DC* d = tkp::gdi::FindDC(dc);
    return d ? d->bkColour : RGB(255, 255, 255);
}
