// The display size the elements read, set for one test and put back after it.
#pragma once

#include "framework/graphics/tk_Display.h"

namespace tk_test {

struct ScopedScreen {
    int kept[4] = {tk_ScreenW, tk_ScreenH, tk_ScreenCX, tk_ScreenCY};
    ScopedScreen(int w, int h) { Set(w, h, w / 2, h / 2); }
    ~ScopedScreen() { Set(kept[0], kept[1], kept[2], kept[3]); }
    static void Set(int w, int h, int cx, int cy) {
        tk_ScreenW = w, tk_ScreenH = h, tk_ScreenCX = cx, tk_ScreenCY = cy;
    }
};

}  // namespace tk_test
