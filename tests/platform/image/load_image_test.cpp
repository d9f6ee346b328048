// Image files: LoadImageA's refusals (which of resource and file comes first, and the sizes
// GetObjectA tells, are the bitmap loader's tests) and PNG writing for the screenshots (what is
// read back, strides, replacing an old file without leaving a temporary behind).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/image/png_write.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace {

using tk_test::Picture;
using Pixels = std::vector<std::uint32_t>;
using namespace std::string_literals;

// A flat 24-bit picture of w x h in one colour.
Picture flat(int w, int h, std::uint32_t rgb) {
    std::string row;
    for (int x = 0; x < w; ++x) row += {char(rgb & 0xFF), char((rgb >> 8) & 0xFF), char((rgb >> 16) & 0xFF)};
    return {.w = w, .h = h, .data = tk_test::Rows(std::vector<std::string>(std::size_t(h), row))};
}

// Whether LoadImageA gives a bitmap (deleted again).
bool loads(HINSTANCE module, const char* name, UINT flags) {
    HANDLE h = LoadImageA(module, name, IMAGE_BITMAP, 0, 0, flags);
    if (h) DeleteObject(static_cast<HGDIOBJ>(h));
    return h != nullptr;
}

class LoadImageTest : public ::testing::Test {
  protected:
    void SetUp() override { tkp::testing::CaptureDebugOutput(true); }
    void TearDown() override { tkp::testing::CaptureDebugOutput(false); }
    tk_test::ScopedWorkDir dir_;
};

TEST_F(LoadImageTest, MissingMalformedAndBadRequestsGiveNull) {
    tk_test::MakeDir("folder.bmp");
    EXPECT_FALSE(loads(nullptr, "missing.bmp", LR_LOADFROMFILE) ||
                 loads(nullptr, "folder.bmp", LR_LOADFROMFILE));
    // A missing file is no fault: nothing is reported.
    EXPECT_EQ(tkp::testing::TakeDebugOutput(), "");
    // The headers-only file that a failed thumbnail write leaves behind.
    tk_test::WriteFile("cut.thm", tk_test::File(flat(150, 100, 0)).substr(0, 54));
    EXPECT_FALSE(loads(nullptr, "cut.thm", LR_LOADFROMFILE));
    EXPECT_EQ(tkp::testing::TakeDebugOutput(), "LoadImageA: cut.thm: pixel data shorter than its rows\n");
    tk_test::WriteFile("ok.bmp", tk_test::File(flat(2, 2, 0)));
    // Requested sizes past the limits (one side, or the pixels of both).
    EXPECT_FALSE(LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, -1, 0, LR_LOADFROMFILE) ||
                 LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, 16385, 1, LR_LOADFROMFILE) ||
                 LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, 16384, 16384, LR_LOADFROMFILE));
}

TEST(PngWriteTest, RoundTripHonoursStrideIgnoresTheTopByteAndReplacesAnOldFile) {
    tk_test::ScopedWorkDir dir;
    tk_test::WriteFile("shot.png", "old contents");
    // 3 x 2 pixels in rows 4 pixels apart; the fourth pixel of each row must not be written.
    const Pixels src = {0xFF0000, 0x00FF00, 0x0000FF, 0xDEADBE, 0xFF123456, 0xFFFFFF, 0x000000, 0xDEADBE};
    ASSERT_TRUE(tkp::image::WritePng("shot.png", 3, 2, src.data(), 4));
    Pixels back;
    int w = 0, h = 0;
    ASSERT_TRUE(tk_test::ReadPng("shot.png", &w, &h, &back));
    EXPECT_EQ(tk_test::Nums(w, h), "3,2");
    EXPECT_EQ(back, (Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000}));
    // No temporary file is left behind.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(".")) names.push_back(e.path().filename());
    EXPECT_EQ(names, std::vector<std::string>{"shot.png"});
}

}  // namespace
