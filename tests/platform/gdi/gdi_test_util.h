// A surface with its device context for GDI tests, a red pen and a blue brush, and pictures of
// what was drawn: '.' untouched (black), '#' pen, 'o' brush.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/ddraw/dd_test_util.h"

namespace gdt {

constexpr std::uint16_t kPen565 = 0xF800;
constexpr std::uint16_t kBrush565 = 0x001F;

struct Canvas {
    ddt::Session session;
    LPDIRECTDRAWSURFACE surface = nullptr;
    HDC dc = nullptr;
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    int width;
    int height;

    Canvas(int w, int h, int penWidth = 1) : width(w), height(h) {
        surface = ddt::MakeSurface(session.dd, w, h);
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

    // The whole surface as text; the DC is given back for the reading and taken again.
    std::vector<std::string> Art() {
        surface->ReleaseDC(dc);
        auto rows =
            ddt::Art(surface, {0, 0, width, height}, {{0x0000, '.'}, {kPen565, '#'}, {kBrush565, 'o'}});
        EXPECT_EQ(surface->GetDC(&dc), DD_OK);
        SelectObject(dc, pen);
        SelectObject(dc, brush);
        return rows;
    }
    void Clear() {
        RECT all{0, 0, width, height};
        FillRect(dc, &all, GetStockObject(BLACK_BRUSH));
    }
};

}  // namespace gdt
