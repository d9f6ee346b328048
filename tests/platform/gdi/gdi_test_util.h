// A surface with its device context for GDI tests, a red pen and a blue brush, and pictures of
// what was drawn: '.' untouched (black), '#' pen, 'o' brush; and a memory DC holding a bitmap.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/dc.h"
#include "platform/gdi/gdi_object.h"
#include "tests/platform/ddraw/dd_test_util.h"

namespace gdt {

using Rows = std::vector<std::string>;

// Several canvases may be alive at once: each has a surface of its own, without a display.
struct Canvas {
    LPDIRECTDRAWSURFACE surface = nullptr;
    HDC dc = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    int width;
    int height;

    Canvas(int w, int h, int penWidth = 1) : width(w), height(h) {
        LPDIRECTDRAW dd = nullptr;
        EXPECT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
        surface = ddt::MakeSurface(dd, w, h);
        dd->Release();
        EXPECT_EQ(surface->GetDC(&dc), DD_OK);
        pen = CreatePen(PS_SOLID, penWidth, RGB(255, 0, 0));
        brush = CreateSolidBrush(RGB(0, 0, 255));
        SelectObject(dc, pen);
        SelectObject(dc, brush);
    }
    ~Canvas() {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        SelectObject(dc, GetStockObject(WHITE_BRUSH));
        DeleteObject(pen);
        DeleteObject(brush);
        if (dc) surface->ReleaseDC(dc);
        surface->Release();
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The surface's raw pixels; the DC is given back for the reading and taken again with the
    // pen and brush selected.
    std::vector<std::uint16_t> Raw() {
        surface->ReleaseDC(dc);
        std::vector<std::uint16_t> all = ddt::Pixels(surface);
        EXPECT_EQ(surface->GetDC(&dc), DD_OK);
        SelectObject(dc, pen);
        SelectObject(dc, brush);
        return all;
    }
    // The whole surface as text.
    Rows Art() {
        Rows rows;
        const std::vector<std::uint16_t> all = Raw();
        for (int y = 0; y < height; ++y) {
            rows.emplace_back();
            for (int x = 0; x < width; ++x) {
                const std::uint16_t p = all[static_cast<std::size_t>(y * width + x)];
                rows.back() += p == 0 ? '.' : p == 0xF800 ? '#' : p == 0x001F ? 'o' : '?';
            }
        }
        return rows;
    }
    void Clear() {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, GetStockObject(BLACK_BRUSH));
    }
};

// A memory DC with a bitmap of the given 0x00RRGGBB pixels selected into it.
struct MemoryDC {
    tkp_GdiBitmap* bitmap = new tkp_GdiBitmap();
    HDC dc = CreateCompatibleDC(nullptr);
    MemoryDC(int w, int h, std::vector<std::uint32_t> pixels) {
        bitmap->width = w;
        bitmap->height = h;
        bitmap->pixels = std::move(pixels);
        SelectObject(dc, bitmap);
    }
    MemoryDC(int w, int h, std::uint32_t xrgb)
        : MemoryDC(w, h, std::vector<std::uint32_t>(std::size_t(w * h), xrgb)) {}
    ~MemoryDC() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    std::uint32_t At(int x, int y) const {
        return bitmap->pixels[static_cast<std::size_t>(y * bitmap->width + x)];
    }
};

}  // namespace gdt
