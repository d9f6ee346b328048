// StretchBlt between bitmaps and surfaces: conversion both ways, scaling, and rectangles that
// leave either target.
#include <gtest/gtest.h>

#include <limits>

#include "platform/gdi/dc.h"
#include "tests/platform/gdi/gdi_test_util.h"

namespace {

// A memory DC holding a bitmap with the given pixels.
struct Bitmap {
    tkp_GdiBitmap* bitmap = new tkp_GdiBitmap();
    HDC dc = CreateCompatibleDC(nullptr);
    Bitmap(int w, int h, std::vector<std::uint32_t> pixels) {
        bitmap->width = w;
        bitmap->height = h;
        bitmap->pixels = std::move(pixels);
        SelectObject(dc, bitmap);
    }
    ~Bitmap() {
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
};

std::vector<std::uint16_t> Raw(gdt::Canvas& c) {
    c.surface->ReleaseDC(c.dc);
    std::vector<std::uint16_t> all = ddt::Pixels(c.surface);
    c.surface->GetDC(&c.dc);
    return all;
}

}  // namespace

TEST(StretchBlt, BitmapOntoSurfaceRoundsEachChannelToFiveOrSixBits) {
    Bitmap b(4, 1, {0x00FF0000, 0x00808080, 0x00040204, 0x0000FF00});
    gdt::Canvas c(4, 1);
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 4, 1, b.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(Raw(c), (std::vector<std::uint16_t>{0xF800, 0x8410, 0x0000, 0x07E0}));
    // And back: widened by replicating the top bits.
    Bitmap back(4, 1, std::vector<std::uint32_t>(4, 0));
    ASSERT_TRUE(StretchBlt(back.dc, 0, 0, 4, 1, c.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(back.bitmap->pixels, (std::vector<std::uint32_t>{0x00FF0000, 0x00848284, 0, 0x0000FF00}));
}

TEST(StretchBlt, ScalesABitmapUpToFillTheWholeSurface) {
    Bitmap b(2, 2, {0x00FF0000, 0x000000FF, 0x000000FF, 0x00FF0000});
    gdt::Canvas c(4, 3);
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 4, 3, b.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(c.Art(), (std::vector<std::string>{"##oo", "oo##", "oo##"}));
    // A part of the bitmap, shrunk: the pixel under each centre.
    c.Clear();
    Bitmap wide(6, 1, {0x000000FF, 0x00FF0000, 0x000000FF, 0x000000FF, 0x000000FF, 0x00FF0000});
    ASSERT_TRUE(StretchBlt(c.dc, 1, 1, 2, 1, wide.dc, 0, 0, 6, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (std::vector<std::string>{"....", ".#o.", "...."}));
}

TEST(StretchBlt, LeavesOutWhatFallsOutsideEitherTarget) {
    Bitmap b(2, 1, {0x00FF0000, 0x000000FF});
    gdt::Canvas c(3, 2);
    // Source column -1 does not exist: its destination pixel keeps what it had.
    ASSERT_TRUE(StretchBlt(c.dc, 0, 0, 3, 1, b.dc, -1, 0, 3, 1, SRCCOPY));
    // Destination partly off the surface on the left and bottom.
    ASSERT_TRUE(StretchBlt(c.dc, -1, 1, 2, 4, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (std::vector<std::string>{".#o", "o.."}));
    ASSERT_TRUE(StretchBlt(c.dc, 2000000000, 0, 2000000000, 1, b.dc, 0, 0, 2, 1, SRCCOPY));
    // Only the visible part is computed: the last tenth of a huge run shows source column 1.
    ASSERT_TRUE(StretchBlt(c.dc, -2000000000, 0, 2100000000, 2, b.dc, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(c.Art(), (std::vector<std::string>{"ooo", "ooo"}));
    const int lo = std::numeric_limits<int>::min();
    const int hi = std::numeric_limits<int>::max();
    EXPECT_TRUE(StretchBlt(c.dc, lo, lo, hi, hi, b.dc, lo, lo, hi, hi, SRCCOPY));
    EXPECT_TRUE(StretchBlt(c.dc, 0, 0, hi, hi, b.dc, hi, hi, 1, 1, SRCCOPY));
}

TEST(StretchBlt, RefusesOtherOperationsSizesAndHandles) {
    Bitmap b(2, 2, std::vector<std::uint32_t>(4, 0x00FFFFFF));
    gdt::Canvas c(2, 2);
    tkp_CaptureDebugOutput(true);
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, b.dc, 0, 0, 2, 2, 0x00EE0086 /* SRCPAINT */));
    EXPECT_EQ(tkp_TakeDebugOutput(), "gdi: StretchBlt supports only SRCCOPY\n");
    tkp_CaptureDebugOutput(false);
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, -2, 2, b.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, b.dc, 0, 0, 2, 0, SRCCOPY));
    EXPECT_FALSE(StretchBlt(nullptr, 0, 0, 2, 2, b.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(c.dc, 0, 0, 2, 2, nullptr, 0, 0, 2, 2, SRCCOPY));
    HDC bare = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(StretchBlt(c.dc, 0, 0, 2, 2, bare, 0, 0, 2, 2, SRCCOPY));
    DeleteDC(bare);
    for (const std::string& row : c.Art()) EXPECT_EQ(row, "..");
}

TEST(StretchBlt, WithinOneSurfaceReadsTheSourceBeforeWritingIt) {
    gdt::Canvas c(4, 1);
    SetPixel(c.dc, 0, 0, RGB(255, 0, 0));
    SetPixel(c.dc, 1, 0, RGB(0, 0, 255));
    ASSERT_TRUE(StretchBlt(c.dc, 1, 0, 3, 1, c.dc, 0, 0, 3, 1, SRCCOPY));
    EXPECT_EQ(c.Art()[0], "##o.");
}
