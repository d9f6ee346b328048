// The world of the control, skin and scroll-bar tests: the sheet world with a screen surface as the
// back buffer, the cascading place reset, and the skin torn down after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_DSGN.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/graphics/tk_test_sheet.h"

namespace tk_test {

class SkinWorld : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        UseScreen(screen);
        tk_auto_rx = 15, tk_auto_ry = 10;
    }
    void TearDown() override {
        tk_DSGN_DONE();
        tk_DSGN_SetBackFileSource(nullptr);
        SheetWorld::TearDown();
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

    TestSurface screen{320, 240};
};

}  // namespace tk_test
