// The world of the icon, sprite and label tests: the lettered test sheet loaded and keyed, a
// 10 x 6 screen that is the back buffer, and the void design drawn straight through the helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Draw.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {

// A point inside the lettered phase, 4 x 3 drawn: "abcd" "efgh" "ijkT".
constexpr int kLettersX = 35;
constexpr int kLettersY = 6;
constexpr const char* kEmpty = "..........\n..........\n..........\n..........\n..........\n..........\n";

class IconsWorld : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        sheet.TC_NASTAV(37, 7);
        tk_ScreenW = 10;
        tk_ScreenH = 6;
        tk_lpDDSBack = screen.get();
    }
    std::string Shown() { return screen.Picture(0, 0, 10, 6, LetterLegend()); }

    // The bevel (filled or not) and, when given, the class name and the element's name.
    static void ReferenceBox(TestSurface& s, RECT box, int kind, bool fill, const char* cls,
                             const char* name) {
        HDC dc = nullptr;
        ASSERT_EQ(s.get()->GetDC(&dc), DD_OK);
        fill ? tk_glob_Level_efekt2_fill(dc, &box, kind) : tk_glob_Level_efekt(dc, &box, kind);
        if (cls) tk_glob_Text(dc, box.left + 5, box.top + 5, 0xFF6464, cls);
        if (name) tk_glob_Text(dc, box.left + 5, box.top + 20, 0xFFFF, name);
        s.get()->ReleaseDC(dc);
    }

    tk_CDas_Surface sheet;
    TestSurface screen{10, 6};
};

}  // namespace tk_test
