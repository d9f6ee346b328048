// The world of the control, skin and scroll-bar tests: a DirectDraw object as tk_lpDD, a screen
// surface as the back buffer, a fresh working folder for the log, the cascading place reset, and
// the skin torn down after each test.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "framework/app/tk_DSGN.h"
#include "framework/app/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "framework/widgets/tk_globals.h"
#include "tests/common/tk_test_files.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {

class SkinWorld : public ::testing::Test {
  protected:
    static constexpr int kScreenW = 320;
    static constexpr int kScreenH = 240;

    void SetUp() override {
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        savedDD_ = tk_lpDD;
        savedBack_ = tk_lpDDSBack;
        savedW_ = tk_ScreenW;
        savedH_ = tk_ScreenH;
        tk_lpDD = dd_;
        tk_lpDDSBack = screen.get();
        tk_ScreenW = kScreenW;
        tk_ScreenH = kScreenH;
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        tk_auto_rx = 15;
        tk_auto_ry = 10;
    }
    void TearDown() override {
        tk_DSGN_DONE();
        tk_DSGN_SetBackFileSource(nullptr);
        tk_lpDD = savedDD_;
        tk_lpDDSBack = savedBack_;
        tk_ScreenW = savedW_;
        tk_ScreenH = savedH_;
        if (dd_) dd_->Release();
    }

    // The log's lines with the source line numbers written as N.
    static std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::istringstream in(ReadFile("tk_LOG.txt"));
        static const std::regex number(R"(\((\d+)\) : )");
        for (std::string line; std::getline(in, line);)
            lines.push_back(std::regex_replace(line, number, "(N) : "));
        return lines;
    }

    // Raw pixel (x, y) of the skin sheet.
    static std::uint16_t SheetPixel(int x, int y) {
        IDirectDrawSurface* s = tk_DSGN.rezia_dll_srf ? tk_DSGN.rezia_dll_srf->SURFACE : nullptr;
        DDSURFACEDESC d{};
        d.dwSize = sizeof(d);
        if (!s || s->Lock(nullptr, &d, DDLOCK_WAIT | DDLOCK_READONLY, nullptr) != DD_OK) return 0xDEAD;
        std::uint16_t v = reinterpret_cast<const std::uint16_t*>(
            static_cast<const char*>(d.lpSurface) + static_cast<std::ptrdiff_t>(y) * d.lPitch)[x];
        s->Unlock(nullptr);
        return v;
    }

    // Pixels of the screen rectangle at (x, y) that differ from the phase drawn keyed over the
    // colour `under`; -1 when the skin has no sheet.
    int PhaseMismatches(const tk_TFAZA& f, int x, int y, std::uint16_t under) {
        if (!tk_DSGN.rezia_dll_srf) return -1;
        const std::uint16_t key = tk_DSGN.rezia_dll_srf->TC;
        int bad = 0;
        for (int j = 0; j < f.y2 - f.y; ++j) {
            for (int i = 0; i < f.x2 - f.x; ++i) {
                std::uint16_t s = SheetPixel(f.x + i, f.y + j);
                bad += screen.Pixel(x + i, y + j) != (s == key ? under : s);
            }
        }
        return bad;
    }

    ScopedWorkDir dir_;
    TestSurface screen{kScreenW, kScreenH};
    IDirectDraw* dd_ = nullptr;
    IDirectDraw* savedDD_ = nullptr;
    IDirectDrawSurface* savedBack_ = nullptr;
    int savedW_ = 0;
    int savedH_ = 0;
};

}  // namespace tk_test
