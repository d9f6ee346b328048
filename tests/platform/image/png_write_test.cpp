#include <png.h>
#include <sys/stat.h>

#include <gtest/gtest.h>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/image/png_write.h"
#include "platform/platform.h"
#include "tests/common/tk_test_files.h"

namespace {

// Reads a PNG back as 0x00RRGGBB pixels; empty on failure.
std::vector<std::uint32_t> readPng(const std::string& path, int* w, int* h) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    std::vector<std::uint32_t> out;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return out;
    *w = static_cast<int>(image.width);
    *h = static_cast<int>(image.height);
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
        out.push_back((std::uint32_t{rgb[i]} << 16) | (std::uint32_t{rgb[i + 1]} << 8) | rgb[i + 2]);
    return out;
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
    return names;
}

TEST(PngWriteTest, RoundTripHonoursStrideAndReplacesAnOldFile) {
    tk_test::ScopedWorkDir dir;
    tk_test::WriteFile("shot.png", "old contents");
    // 3 x 2 pixels in rows 4 pixels apart; the fourth pixel of each row must not be written.
    const std::vector<std::uint32_t> src = {0xFF0000, 0x00FF00, 0x0000FF, 0xDEADBE,
                                            0x123456, 0xFFFFFF, 0x000000, 0xDEADBE};
    ASSERT_TRUE(tkp_WritePng("shot.png", 3, 2, src.data(), 4));
    int w = 0, h = 0;
    std::vector<std::uint32_t> back = readPng("shot.png", &w, &h);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(back, (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000}));
    // The high byte of a pixel is ignored, and no temporary file is left behind.
    const std::uint32_t one = 0xFF102030;
    ASSERT_TRUE(tkp_WritePng("one.png", 1, 1, &one, 1));
    EXPECT_EQ(readPng("one.png", &w, &h), std::vector<std::uint32_t>{0x102030});
    std::vector<std::string> names = folderEntries(".");
    EXPECT_EQ(names.size(), 2u);
}

TEST(PngWriteTest, FailuresCreateNothingAndKeepTheOldFile) {
    tk_test::ScopedWorkDir dir;
    tkp_CaptureDebugOutput(true);
    const std::uint32_t px[4] = {};
    EXPECT_FALSE(tkp_WritePng("missing/x.png", 1, 1, px, 1));
    EXPECT_FALSE(tkp_WritePng("a.png", 0, 1, px, 1));
    EXPECT_FALSE(tkp_WritePng("a.png", 2, 1, px, 1));  // stride shorter than a row
    EXPECT_FALSE(tkp_WritePng("a.png", 1, 1, nullptr, 1));
    EXPECT_FALSE(tkp_WritePng(nullptr, 1, 1, px, 1));
    EXPECT_TRUE(folderEntries(".").empty());
    // A target that is a folder cannot be replaced; the folder stays and no temporary is left.
    tk_test::MakeDir("taken.png");
    EXPECT_FALSE(tkp_WritePng("taken.png", 1, 1, px, 1));
    EXPECT_EQ(folderEntries("."), std::vector<std::string>{"taken.png"});
    const std::string log = tkp_TakeDebugOutput();
    EXPECT_NE(log.find("tkp_WritePng: bad arguments (a.png)\n"), std::string::npos);
    EXPECT_NE(log.find("tkp_WritePng: cannot create the file (missing/x.png)\n"), std::string::npos);
    tkp_CaptureDebugOutput(false);
}

}  // namespace
