// The world of the control, skin and scroll-bar tests: a DirectDraw object as tk_lpDD, a screen
// surface as the back buffer, a fresh folder for the log, the cascading place reset, and the skin
// torn down after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_DSGN.h"
#include "framework/widgets/tk_globals.h"
#include "tests/graphics/tk_test_sheet.h"

namespace tk_test {

class SkinWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        saved_dd_ = tk_lpDD;
        saved_back_ = tk_lpDDSBack;
        tk_lpDD = dd_;
        UseScreen(screen);
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
    }
    void TearDown() override {
        tk_DSGN_DONE();
        tk_DSGN_SetBackFileSource(nullptr);
        tk_lpDD = saved_dd_;
        tk_lpDDSBack = saved_back_;
        if (dd_) dd_->Release();
    }
    static void UseScreen(TestSurface& s) {
        tk_lpDDSBack = s.get();
        tk_ScreenW = s.width();
        tk_ScreenH = s.height();
    }
    static std::uint16_t SheetPixel(int x, int y) { return PixelOf(tk_DSGN.rezia_dll_srf->SURFACE, x, y); }
    // Opaque pixels of the phase that the surface does not show with the phase's corner at (x, y).
    static int Mismatches(const TestSurface& on, const tk_TFAZA& f, int x, int y) {
        int bad = 0;
        for (int j = 0; j < f.y2 - f.y; ++j) {
            for (int i = 0; i < f.x2 - f.x; ++i) {
                std::uint16_t p = SheetPixel(f.x + i, f.y + j);
                bad += p != tk_DSGN.rezia_dll_srf->TC && on.Pixel(x + i, y + j) != p;
            }
        }
        return bad;
    }
    static tk_TFAZA PhaseOf(tk_CDAS* s, int i) { return *static_cast<tk_TFAZA*>(s->phases.items[i]); }
    // The sprite's current phase as the surface shows it.
    static int Mismatches(const TestSurface& on, tk_CDAS* s) {
        return Mismatches(on, PhaseOf(s, s->current), s->x, s->y);
    }

    ScopedWorkDir dir_;
    TestSurface screen{320, 240};
    IDirectDraw* dd_ = nullptr;
    IDirectDraw* saved_dd_ = nullptr;
    IDirectDrawSurface* saved_back_ = nullptr;
};

}  // namespace tk_test
