// GDI objects as the stand-in keeps them; internal to platform/ (the framework sees only handles).
// Every object registers itself while it lives, so that a stale or foreign handle is refused
// instead of followed.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/wintypes.h"

namespace tkp::gdi {

enum class GdiKind { Pen, Brush, Font, Bitmap };

struct GdiObject;
void GdiRegister(GdiObject* object);
void GdiUnregister(GdiObject* object);
// True while object is alive (created and not yet deleted).
bool GdiIsLive(const GdiObject* object);

struct GdiObject {
    explicit GdiObject(GdiKind k) : kind(k) { GdiRegister(this); }
    GdiObject(const GdiObject& other) : kind(other.kind), stock(other.stock) { GdiRegister(this); }
    GdiObject& operator=(const GdiObject& other) {
        kind = other.kind;
        stock = other.stock;
        return *this;
    }
    virtual ~GdiObject() { GdiUnregister(this); }
    // GetObjectA's answer for a kind that describes itself: the bytes written into buffer (or, with
    // a null buffer, the size needed); 0 for a kind that has nothing to tell or a buffer too small.
    virtual int Describe(int /*size*/, void* /*buffer*/) const { return 0; }
    GdiKind kind;
    bool stock = false;  // stock objects are never deleted
    // Device contexts this object is selected into; DeleteObject waits until it is zero.
    int selectedCount = 0;
    bool deletePending = false;
};

// GetObjectA's answer for the stock fonts, which stand for the system font: set by the text layer,
// which makes that font; null (nothing to tell) until it is.
extern int (*DescribeStockFont)(int size, void* buffer);

// A device-independent bitmap: 0x00RRGGBB pixels, top-down rows, width * height of them.
struct GdiBitmap : GdiObject {
    GdiBitmap() : GdiObject(GdiKind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;  // as the file had it; reported by GetObjectA
    std::vector<std::uint32_t> pixels;
};

// A pen: solid in its colour, or null (draws nothing). Width in pixels, 1 or more.
struct GdiPen : GdiObject {
    GdiPen() : GdiObject(GdiKind::Pen) {}
    bool null = false;
    int width = 1;
    COLORREF colour = 0;
};

// A brush: solid in its colour, or null (hollow: fills nothing).
struct GdiBrush : GdiObject {
    GdiBrush() : GdiObject(GdiKind::Brush) {}
    bool null = false;
    COLORREF colour = 0;
};

}  // namespace tkp::gdi
