// A drawn sprite sheet and the world around the surface tests: a DirectDraw object as tk_lpDD, a
// small screen, a fresh working folder for the log, and debugger output kept for reading.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Display.h"
#include "framework/support/tk_LOG.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {

// The sheet: 48 x 32 on a red background (BC), transparent colour cyan (TC).
constexpr std::uint16_t kBC = 0xF800;
constexpr std::uint16_t kTC = 0x07FF;
constexpr std::uint16_t kWide = 0x2945;    // the 20 x 10 phase at columns 10..29, rows 5..14
constexpr std::uint16_t kCorner = 0x001F;  // touching the top-left corner: columns 0..5, rows 0..3
constexpr std::uint16_t kEnd = 0xFFFF;     // touching the bottom-right corner: columns 40..47, rows 26..31
constexpr std::uint16_t kEll = 0x4208;     // an L: columns 10..12 rows 20..29 and columns 10..19 rows 27..29
constexpr int kSheetW = 48;
constexpr int kSheetH = 32;

// The lettered 4 x 3 phase at columns 34..37, rows 5..7: "abcd" "efgh" "ijkT".
inline std::uint16_t Letter(int i) {
    return static_cast<std::uint16_t>((i + 1) * 0x0841);
}

inline std::uint16_t SheetPixel(int x, int y) {
    if (x >= 34 && x <= 37 && y >= 5 && y <= 7) {
        int i = (y - 5) * 4 + (x - 34);
        return i == 11 ? kTC : Letter(i);
    }
    if (x >= 10 && x <= 29 && y >= 5 && y <= 14) return kWide;
    if (x <= 5 && y <= 3) return kCorner;
    if (x >= 40 && y >= 26) return kEnd;
    if (x >= 10 && x <= 12 && y >= 20 && y <= 29) return kEll;
    if (x >= 10 && x <= 19 && y >= 27 && y <= 29) return kEll;
    return kBC;
}

inline std::string SheetBmp() {
    return Bmp24(kSheetW, kSheetH, SheetPixel);
}

// Letters for pictures of the lettered phase: a..k, T for the transparent colour, R background.
inline Legend LetterLegend() {
    Legend legend{{kTC, 'T'}, {kBC, 'R'}};
    for (int i = 0; i < 11; ++i) legend[Letter(i)] = static_cast<char>('a' + i);
    return legend;
}

// Registers a BMP file's picture as a bitmap resource (resources start at the info header).
inline bool RegisterBitmap(const char* name, const std::string& file) {
    return tkp::testing::RegisterResource(name, RT_BITMAP, file.data() + 14, file.size() - 14);
}

class SheetWorld : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        savedDD_ = tk_lpDD, savedBack_ = tk_lpDDSBack, savedW_ = tk_ScreenW, savedH_ = tk_ScreenH;
        tk_lpDD = dd_;
        // The log starts empty in the fresh folder.
        tk_LOG_on = 1;
        tk_LOG_reset_done = true;
        tkp::testing::CaptureDebugOutput(true);
        tkp::testing::TakeDebugOutput();
        ASSERT_TRUE(RegisterBitmap("SHEET.BMP", SheetBmp()));
    }
    void TearDown() override {
        tkp::testing::CaptureDebugOutput(false);
        tkp::testing::ClearRegisteredResources();
        tk_lpDD = savedDD_, tk_lpDDSBack = savedBack_, tk_ScreenW = savedW_, tk_ScreenH = savedH_;
        if (dd_) dd_->Release();
    }

    // Makes the surface the back buffer and the screen of its size.
    static void UseScreen(TestSurface& s) {
        tk_ScreenW = s.width(), tk_ScreenH = s.height();
        tk_lpDDSBack = s.get();
    }

    ScopedWorkDir dir_;
    IDirectDraw* dd_ = nullptr;

  private:
    IDirectDraw* savedDD_ = nullptr;
    IDirectDrawSurface* savedBack_ = nullptr;
    int savedW_ = 0, savedH_ = 0;
};

// No ink anywhere on the 10 x 6 screen.
constexpr const char* kNone = "..........|..........|..........|..........|..........|..........";

// The sheet loaded with its background and transparent colours, its lettered phase, and a 10 x 6
// screen that is the back buffer.
class LetterWorld : public SheetWorld {
  protected:
    void SetUp() override {
        SheetWorld::SetUp();
        ASSERT_EQ(sheet.NAHRAJ_SURFACE("SHEET.BMP"), 1);
        sheet.BC_NASTAV(0, 10);
        sheet.TC_NASTAV(37, 7);
        letters = sheet.ZAMERAJ_FAZU(35, 6);
        UseScreen(screen);
    }
    // Clears the screen, draws, and tells whether the region (the whole screen by default) shows
    // the rows.
    ::testing::AssertionResult Drawn(const std::function<void()>& draw, const std::string& rows,
                                     RECT r = {0, 0, 10, 6}) {
        screen.Fill(0);
        draw();
        return screen.Shows(r.left, r.top, r.right, r.bottom, LetterLegend(), rows);
    }

    tk_CDas_Surface sheet;
    tk_TFAZA letters;
    TestSurface screen{10, 6};
};

}  // namespace tk_test
