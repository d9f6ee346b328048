// The world of the list tests: the lettered test sheet as tk_lpDD's sheet, a full-size screen, a
// fresh log, the placeholder flag cleared before and after every test, and a few readers.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/app/tk_Display.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_TVOLBA.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {

// Left, top, right, bottom as "l,t,r,b".
inline std::string Edges(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

class ListsWorld : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        savedCX_ = tk_ScreenCX;
        savedCY_ = tk_ScreenCY;
        tk_ScreenW = 1920, tk_ScreenH = 1080, tk_ScreenCX = 960, tk_ScreenCY = 540;
        tk_CDUI_void_flag = false;
    }
    void TearDown() override {
        tk_CDUI_void_flag = false;
        tk_ScreenCX = savedCX_;
        tk_ScreenCY = savedCY_;
        SheetWorld::TearDown();
    }

    // The entries' texts, one after another ("-" for none).
    static std::string Texts(tk_CDUI& list) {
        std::string s;
        for (int i = 0; i < list.volby.count; ++i) s += list.Volba(i)->text ? list.Volba(i)->text : "-";
        return s;
    }
    // A vertical menu at (100, 50) with entries at y 53..73, 76..96, 99..119 and x 103..223.
    static void Three(tk_CDUI& m, int first) {
        for (int i = 0; i < 3; ++i) m.PRIDAJ(first + i, "x");
        m.CHOD_NA(100, 50);
    }
    // True when some line of the log ends with the text.
    static bool Logged(const std::string& tail) {
        for (const std::string& line : LogLines()) {
            if (line.size() >= tail.size() && line.compare(line.size() - tail.size(), tail.size(), tail) == 0)
                return true;
        }
        return false;
    }

    tk_CDas_Surface sheet;

  private:
    int savedCX_ = 0;
    int savedCY_ = 0;
};

// The 20 x 10 phase of the test sheet: its phase w, h are 21, 11.
constexpr int kWideX = 15;
constexpr int kWideY = 10;

}  // namespace tk_test
