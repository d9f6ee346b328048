// GDI objects: selection, stock objects, deletion of objects still selected, bitmaps in one DC at
// a time, fonts kept for the text code, and handles that are no longer alive.
#include <gtest/gtest.h>

#include "platform/gdi/dc.h"
#include "tests/platform/gdi/gdi_test_util.h"

TEST(GdiObjects, SelectionReturnsWhatWasThereStartingFromTheDefaults) {
    gdt::Canvas c(4, 4);
    HPEN green = CreatePen(PS_SOLID, 1, RGB(0, 255, 0));
    EXPECT_EQ(SelectObject(c.dc, green), c.pen);
    EXPECT_EQ(SelectObject(c.dc, c.pen), green);
    HDC fresh = CreateCompatibleDC(c.dc);
    EXPECT_EQ(SelectObject(fresh, green), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(fresh, c.brush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(fresh, nullptr), nullptr);
    EXPECT_EQ(SelectObject(nullptr, green), nullptr);
    EXPECT_TRUE(DeleteDC(fresh));
    EXPECT_FALSE(DeleteDC(fresh));
    EXPECT_FALSE(DeleteDC(c.dc));  // a surface's DC goes back with ReleaseDC
    EXPECT_TRUE(DeleteObject(green));
}

TEST(GdiObjects, StockObjectsAreSharedAndNeverDeleted) {
    const int ids[] = {WHITE_BRUSH, BLACK_BRUSH,   NULL_BRUSH,  WHITE_PEN,       BLACK_PEN,
                       NULL_PEN,    ANSI_VAR_FONT, SYSTEM_FONT, DEFAULT_GUI_FONT};
    for (int id : ids) {
        HGDIOBJ o = GetStockObject(id);
        ASSERT_NE(o, nullptr) << id;
        EXPECT_TRUE(o->stock);
        EXPECT_EQ(GetStockObject(id), o);
        EXPECT_TRUE(DeleteObject(o));
        EXPECT_TRUE(tkp_GdiIsLive(o));
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));
    EXPECT_EQ(GetStockObject(SYSTEM_FONT)->kind, tkp_GdiKind::Font);
    EXPECT_NE(GetStockObject(SYSTEM_FONT), GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_EQ(GetStockObject(3), nullptr);
    // The stock white pen draws white.
    gdt::Canvas c(3, 1);
    SelectObject(c.dc, GetStockObject(WHITE_PEN));
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 3, 0);
    EXPECT_EQ(GetPixel(c.dc, 2, 0), RGB(255, 255, 255));
}

TEST(GdiObjects, AnObjectDeletedWhileSelectedGoesWhenTheLastDCLetsGo) {
    gdt::Canvas c(4, 2);
    HPEN green = CreatePen(PS_SOLID, 0, RGB(0, 255, 0));
    SelectObject(c.dc, green);
    EXPECT_TRUE(DeleteObject(green));
    EXPECT_TRUE(tkp_GdiIsLive(green));
    // Still selected: it still draws, and cannot be selected anywhere else meanwhile.
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 4, 0);
    EXPECT_EQ(GetPixel(c.dc, 3, 0), RGB(0, 255, 0));
    HDC other = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(other, green), nullptr);
    EXPECT_EQ(SelectObject(c.dc, c.pen), green);
    EXPECT_FALSE(tkp_GdiIsLive(green));
    EXPECT_FALSE(DeleteObject(green));
    EXPECT_EQ(SelectObject(c.dc, green), nullptr);
    // A brush deleted while selected in a DC that is then deleted goes with it.
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(other, red);
    DeleteObject(red);
    EXPECT_TRUE(tkp_GdiIsLive(red));
    DeleteDC(other);
    EXPECT_FALSE(tkp_GdiIsLive(red));
}

TEST(GdiObjects, ABitmapSitsInOneMemoryDCAtATime) {
    auto* bitmap = new tkp_GdiBitmap();
    bitmap->width = bitmap->height = 2;
    bitmap->pixels.assign(4, 0x00FFFFFF);
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HGDIOBJ empty = SelectObject(first, bitmap);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(SelectObject(first, bitmap), bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    gdt::Canvas c(2, 2);
    EXPECT_EQ(SelectObject(c.dc, bitmap), nullptr);
    // Selecting the empty bitmap back frees this one for the other DC.
    EXPECT_EQ(SelectObject(first, empty), bitmap);
    EXPECT_EQ(tkp_DC_Width(first), 0);
    EXPECT_NE(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(GetPixel(second, 1, 1), RGB(255, 255, 255));
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetPixel(second, 1, 1), RGB(255, 255, 255));
    DeleteDC(second);
    EXPECT_FALSE(tkp_GdiIsLive(bitmap));
    DeleteDC(first);
}

TEST(GdiObjects, FontsAreKeptForTheTextCodeAndCopiesAreObjectsOfTheirOwn) {
    gdt::Canvas c(1, 1);
    auto* font = new tkp_GdiObject(tkp_GdiKind::Font);
    EXPECT_EQ(SelectObject(c.dc, font), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(tkp_DC_Font(c.dc), font);
    DeleteObject(font);
    EXPECT_EQ(tkp_DC_Font(c.dc), font);
    SelectObject(c.dc, GetStockObject(DEFAULT_GUI_FONT));
    EXPECT_FALSE(tkp_GdiIsLive(font));
    EXPECT_EQ(tkp_DC_Font(nullptr), nullptr);
    tkp_GdiBitmap original;
    original.stock = true;
    {
        tkp_GdiBitmap copy = original;
        EXPECT_TRUE(tkp_GdiIsLive(&copy));
        EXPECT_TRUE(copy.stock);
        EXPECT_EQ(copy.selectedCount, 0);
    }
    EXPECT_TRUE(tkp_GdiIsLive(&original));
}
