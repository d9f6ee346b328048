// Surfaces into BMP files: a thumbnail's exact bytes, its pixels as GDI reads them and loaded
// back unchanged, rectangles and sizes refused, failures that leave no file behind, and the
// scale rule.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <string>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_BMPFormat.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

using BmpWriteTest = BmpWorld;

std::uint16_t mixed(int x, int y) {
    return static_cast<std::uint16_t>(x * 433 + y * 2711);
}

// Blue, green, red of each pixel as GDI reads it, bottom row first, without padding.
std::string throughGdi(IDirectDrawSurface* s, int w, int h) {
    HDC dc = nullptr;
    s->GetDC(&dc);
    std::string bytes;
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            bytes += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)),
                      static_cast<char>(GetRValue(c))};
        }
    s->ReleaseDC(dc);
    return bytes;
}

// A BMP file's pixel rows without their padding.
std::string unpadded(const std::string& file, int w, int h) {
    const std::size_t stride = (3u * w + 3) / 4 * 4;
    std::string bytes;
    for (int r = 0; r < h; ++r) bytes += file.substr(54 + stride * r, 3u * w);
    return bytes;
}

TEST_F(BmpWriteTest, ThumbnailBytesHeadersStridesRowsAndReadingBack) {
    IDirectDrawSurface* s = Surface(150, 100, mixed);
    ASSERT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "a.thm"), 1);
    const std::string f = ReadFile("a.thm");
    ASSERT_EQ(f.size(), 45254u);
    // clang-format off
    const std::uint32_t fields[][3] = {{0, 2, 'B' | 'M' << 8}, {2, 4, 45254}, {6, 2, 0}, {8, 2, 0}, {10, 4, 54},
        {14, 4, 40}, {18, 4, 150}, {22, 4, 100}, {26, 2, 1}, {28, 2, 24}, {30, 4, 0}, {34, 4, 0}, {38, 4, 2880},
        {42, 4, 2880}, {46, 4, 0}, {50, 4, 0}};
    // clang-format on
    for (const auto& [at, size, value] : fields) EXPECT_EQ(Field(f, at, static_cast<int>(size)), value) << at;
    // Bottom row first, blue-green-red: the first pixel is (0, 99), widened from 5-6-5.
    const unsigned p = mixed(0, 99), r5 = p >> 11, g6 = p >> 5 & 63, b5 = p & 31;
    EXPECT_EQ(Field(f, 54, 3), (b5 << 3 | b5 >> 2) | (g6 << 2 | g6 >> 4) << 8 | (r5 << 3 | r5 >> 2) << 16);
    // Every pixel as GDI reads it, and loaded back through the framework's loader unchanged.
    EXPECT_TRUE(unpadded(f, 150, 100) == throughGdi(s, 150, 100));
    IDirectDrawSurface* back = DDCreateSurfaceFromBitmap(dd_, "a.thm", 0, 0, nullptr, nullptr);
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(throughGdi(back, 150, 100) == throughGdi(s, 150, 100));
    back->Release();
    for (int width : {99, 100}) {
        ASSERT_EQ(tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s, 0, 0, width - 1, 1, "s.bmp"), 1);
        EXPECT_EQ(ReadFile("s.bmp").size(), 54u + 2 * 300) << width;
    }
}

TEST_F(BmpWriteTest, RectanglesAndSizesAreCheckedBeforeAnythingIsWritten) {
    IDirectDrawSurface* s = Surface(40, 30, mixed);
    // clang-format off
    const std::array<int, 4> rects[] = {{0, 0, 40, 29}, {0, 0, 39, 30}, {-1, 0, 5, 5}, {6, 0, 5, 5}, {0, 6, 5, 5},
                                        {INT_MIN, 0, INT_MAX, 5}};
    // clang-format on
    for (const auto& r : rects)
        EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(s, r[0], r[1], r[2], r[3], "r.bmp"), 0)
            << r[0] << "," << r[2];
    EXPECT_FALSE(std::filesystem::exists("r.bmp"));
    EXPECT_TRUE(
        Logged("TSKW ERROR: rectangle refused [r.bmp: 6,0 - 5,5 is not inside the surface of 40 x 30]"));
    // Row bytes or a file size beyond 32 bits are refused.
    struct Case {
        int w, h;
        std::uint32_t stride, size;
    };
    // clang-format off
    const Case layouts[] = {{1, 1, 4, 58}, {1000000, 1431, 3000000, 4293000054u}, {1000000, 1432, 0, 0},
                            {INT_MAX, 1, 0, 0}, {0, 5, 0, 0}, {5, -1, 0, 0}};
    // clang-format on
    for (const Case& c : layouts) {
        std::uint32_t stride = 0, size = 0;
        EXPECT_EQ(tk_BMP_Layout(c.w, c.h, &stride, &size), c.size != 0);
        EXPECT_EQ(Nums(stride, size), Nums(c.stride, c.size)) << c.w << "x" << c.h;
    }
}

TEST_F(BmpWriteTest, FailuresLeaveNoFileNorTemporaryFileAndSayWhichAndWhy) {
    IDirectDrawSurface* s = Surface(150, 100, mixed);
    MakeDir("taken.thm");
    // An old file stays whole until a new one is; another writer's temporary file is not taken over.
    WriteFile("full.thm", "old");
    WriteFile("full.thm.tmp", "not ours");
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "missing/a.thm"), 0);
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "taken.thm"), 0);
    OnAFullDisk(20000, [&] { EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "full.thm"), 0); });
    IDirectDrawSurface* lost = Surface(150, 100, mixed);
    tkp::testing::MarkSurfaceLost(lost);
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(lost, "lost.thm"), 0);
    EXPECT_EQ(FilesIn(".") + " " + ReadFile("full.thm"), "full.thm full.thm.tmp taken.thm tk_LOG.txt old");
    for (const char* line : {"Chyba pri otvaraní suboru [missing/a.thm: open: No such file or directory]",
                             "Chyba pri otvaraní suboru [taken.thm: open: the target is a folder]",
                             "TSKW ERROR: pixel rows not written [full.thm: write: File too large]",
                             "TSKW ERROR: surface pixels cannot be read [lost.thm: the surface was lost]"})
        EXPECT_TRUE(Logged(line)) << line;
    // With room again the file is written whole, and the other temporary file is left alone.
    EXPECT_EQ(tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(s, "full.thm"), 1);
    EXPECT_EQ(ReadFile("full.thm").size() + ReadFile("full.thm.tmp").size(), 45254u + 8);
}

TEST_F(BmpWriteTest, ScaleRule) {
    // clang-format off
    const std::array<int, 5> cases[] = {{40, 20, 0, 150, 100}, {100, 50, 3, 0, 0}, {300, 300, 0, 150, 100},
                                        {240, 160, 0, 150, 100}, {1000, 10, 0, 150, 100}, {40, 20, 0, 0, 100},
                                        {40, 20, 0, 150, -1}, {0, 20, 0, 150, 100}};
    // clang-format on
    std::string sizes;
    for (const auto& c : cases) {
        int w = -1, h = -1;
        tk_BMP_NOVE_ROZMERY(c[0], c[1], c[2], c[3], c[4], w, h);
        sizes += Nums(w, h) + " ";
    }
    EXPECT_EQ(sizes, "150,75 33,16 100,100 150,100 150,1 50,50 50,50 50,50 ");
    const std::string log = ReadFile("tk_LOG.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
    EXPECT_TRUE(Logged("tk_BMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys [0] [100]"));
}

}  // namespace
}  // namespace tk_test
