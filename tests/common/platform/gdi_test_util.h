// A surface with its device context for GDI tests, a red pen and a blue brush, and pictures of
// what was drawn: '.' untouched (black), '#' pen, 'o' brush; and a memory DC holding a bitmap.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_object.h"
#include "tests/common/tk_test_surface.h"

namespace gdt {

// Several canvases may be alive at once: each has a surface of its own, without a display.
struct Canvas {
    tk_test::TestSurface surface;
    HDC dc = nullptr;
    HPEN pen;
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));

    Canvas(int w, int h, int penWidth = 1)
        : surface(w, h), pen(CreatePen(PS_SOLID, penWidth, RGB(255, 0, 0))) {
        Take();
    }
    ~Canvas() {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(pen);
        DeleteObject(brush);
        surface.get()->ReleaseDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Takes the device context with the pen and brush selected.
    void Take() {
        EXPECT_EQ(surface.get()->GetDC(&dc), DD_OK);
        SelectObject(dc, pen);
        SelectObject(dc, brush);
    }
    // The surface's raw pixels: the DC is given back for the reading and taken again.
    std::vector<std::uint16_t> Raw() {
        surface.get()->ReleaseDC(dc);
        std::vector<std::uint16_t> all = tk_test::PixelsOf(surface.get());
        Take();
        return all;
    }
    // Whether the whole surface shows the rows ('|' between them).
    ::testing::AssertionResult Shows(const std::string& rows) {
        surface.get()->ReleaseDC(dc);
        auto shown =
            surface.Shows(0, 0, surface.width(), surface.height(), {{0xF800, '#'}, {0x001F, 'o'}}, rows);
        Take();
        return shown;
    }
    void Clear() {
        RECT all{0, 0, surface.width(), surface.height()};
        FillRect(dc, &all, GetStockObject(BLACK_BRUSH));
    }
};

// A memory DC with a bitmap of the given 0x00RRGGBB pixels selected into it.
struct MemoryDC {
    tkp::gdi::GdiBitmap* bitmap = new tkp::gdi::GdiBitmap();
    HDC dc = CreateCompatibleDC(nullptr);
    MemoryDC(int w, int h, std::vector<std::uint32_t> pixels) {
        bitmap->width = w;
        bitmap->height = h;
        bitmap->pixels = std::move(pixels);
        SelectObject(dc, bitmap);
    }
    ~MemoryDC() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
};

}  // namespace gdt
