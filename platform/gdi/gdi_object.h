// GDI objects as the stand-in keeps them; internal to platform/ (the framework sees only handles).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/wintypes.h"

enum class tkp_GdiKind { Pen, Brush, Font, Bitmap };

struct tkp_GdiObject {
    explicit tkp_GdiObject(tkp_GdiKind k) : kind(k) {}
    virtual ~tkp_GdiObject() = default;
    tkp_GdiKind kind;
    bool stock = false;  // stock objects are never deleted
};

// A device-independent bitmap: 0x00RRGGBB pixels, top-down rows, width * height of them.
struct tkp_GdiBitmap : tkp_GdiObject {
    tkp_GdiBitmap() : tkp_GdiObject(tkp_GdiKind::Bitmap) {}
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;  // as the file had it; reported by GetObjectA
    std::vector<std::uint32_t> pixels;
};
