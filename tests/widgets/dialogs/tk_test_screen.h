// The display size the elements read, set for one test and put back after it.
#pragma once

#include "framework/app/tk_Display.h"

namespace tk_test {

class ScopedScreen {
  public:
    ScopedScreen(int w, int h) : w_(tk_ScreenW), h_(tk_ScreenH), cx_(tk_ScreenCX), cy_(tk_ScreenCY) {
        tk_ScreenW = w;
        tk_ScreenH = h;
        tk_ScreenCX = w / 2;
        tk_ScreenCY = h / 2;
    }
    ~ScopedScreen() {
        tk_ScreenW = w_;
        tk_ScreenH = h_;
        tk_ScreenCX = cx_;
        tk_ScreenCY = cy_;
    }
    ScopedScreen(const ScopedScreen&) = delete;
    ScopedScreen& operator=(const ScopedScreen&) = delete;

  private:
    int w_, h_, cx_, cy_;
};

}  // namespace tk_test
