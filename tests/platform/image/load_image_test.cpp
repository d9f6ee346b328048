#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/platform.h"
#include "tests/common/tk_test_files.h"
#include "tests/platform/image/bmp_builder.h"

namespace {

using bmp_test::Picture;
using Pixels = std::vector<std::uint32_t>;
using namespace std::string_literals;

// A flat 24-bit picture of w x h in one colour.
Picture flat(int w, int h, std::uint32_t rgb) {
    Picture p;
    p.width = w;
    p.height = h;
    std::string row;
    for (int x = 0; x < w; ++x) row += {char(rgb & 0xFF), char((rgb >> 8) & 0xFF), char((rgb >> 16) & 0xFF)};
    p.pixels = bmp_test::Rows(std::vector<std::string>(std::size_t(h), row));
    return p;
}

struct Loaded {
    int width = 0;
    int height = 0;
    int bits = 0;
    Pixels pixels;
};

// Loads through LoadImageA, reads what the handle holds, and deletes it.
bool load(HINSTANCE module, const char* name, int cx, int cy, UINT flags, Loaded* out) {
    HANDLE h = LoadImageA(module, name, IMAGE_BITMAP, cx, cy, flags);
    if (!h) return false;
    auto* object = static_cast<HGDIOBJ>(h);
    EXPECT_EQ(object->kind, tkp_GdiKind::Bitmap);
    const auto* bitmap = static_cast<const tkp_GdiBitmap*>(object);
    *out = {bitmap->width, bitmap->height, bitmap->bitsPerPixel, bitmap->pixels};
    EXPECT_EQ(DeleteObject(object), TRUE);
    return true;
}

class LoadImageTest : public ::testing::Test {
  protected:
    void SetUp() override { tkp_CaptureDebugOutput(true); }
    void TearDown() override {
        tkp_ClearRegisteredResources();
        tkp_CaptureDebugOutput(false);
    }
    tk_test::ScopedWorkDir dir_;
};

TEST_F(LoadImageTest, ResourceBeforeFileAndNamesWithoutRegardToCase) {
    HMODULE self = GetModuleHandleA(nullptr);
    tk_test::WriteFile("rezia_dll.bmp", bmp_test::File(flat(3, 2, 0x0000FF)));
    Loaded img;
    // This executable embeds nothing: the resource load finds nothing, the file load works.
    ASSERT_FALSE(load(self, "rezia_dll.bmp", 0, 0, LR_CREATEDIBSECTION, &img));
    ASSERT_TRUE(load(nullptr, "rezia_dll.bmp", 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION, &img));
    EXPECT_EQ(img.pixels, Pixels(6, 0x0000FF));

    const std::string dib = bmp_test::Dib(flat(2, 2, 0xFF0000));
    ASSERT_TRUE(tkp_RegisterResource("REZIA_DLL.BMP", RT_BITMAP, dib.data(), dib.size()));
    ASSERT_TRUE(load(self, "rezia_dll.bmp", 0, 0, LR_CREATEDIBSECTION, &img));
    EXPECT_EQ(img.width, 2);
    EXPECT_EQ(img.height, 2);
    EXPECT_EQ(img.bits, 24);
    EXPECT_EQ(img.pixels, Pixels(4, 0xFF0000));
    // A null module means the program's own too; the file is still there to load explicitly.
    ASSERT_TRUE(load(nullptr, "Rezia_Dll.Bmp", 0, 0, 0, &img));
    EXPECT_EQ(img.pixels, Pixels(4, 0xFF0000));
    ASSERT_TRUE(load(nullptr, "rezia_dll.bmp", 0, 0, LR_LOADFROMFILE, &img));
    EXPECT_EQ(img.pixels, Pixels(6, 0x0000FF));
    // Resources are found by integer id too; files by their exact name only.
    ASSERT_TRUE(tkp_RegisterResource(MAKEINTRESOURCE(101), RT_BITMAP, dib.data(), dib.size()));
    EXPECT_TRUE(load(self, MAKEINTRESOURCE(101), 0, 0, 0, &img));
    EXPECT_FALSE(load(nullptr, "REZIA_DLL.BMP", 0, 0, LR_LOADFROMFILE, &img));
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
}

TEST_F(LoadImageTest, RequestedSizesScaleWithAreaAveraging) {
    // 4 x 2: left half black, right half white.
    Picture p;
    p.width = 4;
    p.height = 2;
    p.bitsPerPixel = 8;
    p.palette = {0x000000, 0xFFFFFF};
    p.pixels = bmp_test::Rows({"\x00\x00\x01\x01"s, "\x00\x00\x01\x01"s});
    tk_test::WriteFile("half.bmp", bmp_test::File(p));
    Loaded img;
    ASSERT_TRUE(load(nullptr, "half.bmp", 2, 1, LR_LOADFROMFILE, &img));
    EXPECT_EQ(img.pixels, (Pixels{0x000000, 0xFFFFFF}));
    EXPECT_EQ(img.bits, 8);
    ASSERT_TRUE(load(nullptr, "half.bmp", 1, 0, LR_LOADFROMFILE, &img));  // 0 keeps the own height
    EXPECT_EQ(img.width, 1);
    EXPECT_EQ(img.pixels, (Pixels{0x808080, 0x808080}));
    ASSERT_TRUE(load(nullptr, "half.bmp", 0, 4, LR_LOADFROMFILE | LR_DEFAULTSIZE, &img));
    EXPECT_EQ(img.width, 4);
    EXPECT_EQ(img.pixels, (Pixels{0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF, 0, 0, 0xFFFFFF,
                                  0xFFFFFF, 0, 0, 0xFFFFFF, 0xFFFFFF}));
}

TEST_F(LoadImageTest, MissingMalformedAndBadRequestsGiveNull) {
    Loaded img;
    EXPECT_FALSE(load(nullptr, "missing.bmp", 0, 0, LR_LOADFROMFILE, &img));
    tk_test::MakeDir("folder.bmp");
    EXPECT_FALSE(load(nullptr, "folder.bmp", 0, 0, LR_LOADFROMFILE, &img));
    // A missing file is no fault: nothing is reported.
    EXPECT_EQ(tkp_TakeDebugOutput(), "");

    // The headers-only file that a failed thumbnail write leaves behind.
    tk_test::WriteFile("cut.thm", bmp_test::File(flat(150, 100, 0)).substr(0, 54));
    EXPECT_FALSE(load(nullptr, "cut.thm", 0, 0, LR_LOADFROMFILE, &img));
    const std::string dib = bmp_test::Dib(flat(2, 2, 0));
    ASSERT_TRUE(tkp_RegisterResource("bad.bmp", RT_BITMAP, dib.data(), 20));
    EXPECT_FALSE(load(nullptr, "bad.bmp", 0, 0, 0, &img));
    EXPECT_EQ(tkp_TakeDebugOutput(),
              "LoadImageA: cut.thm: pixel data shorter than its rows\n"
              "LoadImageA: bad.bmp: truncated header\n");

    tk_test::WriteFile("ok.bmp", bmp_test::File(flat(2, 2, 0)));
    EXPECT_EQ(LoadImageA(nullptr, "ok.bmp", IMAGE_ICON, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, -1, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, 16385, 1, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImageA(nullptr, nullptr, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(LoadImageA(nullptr, "ok.bmp", IMAGE_BITMAP, 16384, 16384, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(tkp_TakeDebugOutput(), "LoadImageA: ok.bmp: requested size too large\n");
}

TEST_F(LoadImageTest, GetObjectDescribesTheBitmap) {
    struct Case {
        int bits, width, widthBytes;
    };
    for (Case c : {Case{1, 10, 4}, Case{4, 9, 8}, Case{8, 5, 8}, Case{24, 3, 12}, Case{24, 150, 452},
                   Case{32, 3, 12}}) {
        Picture p;
        p.width = c.width;
        p.height = 2;
        p.bitsPerPixel = c.bits;
        if (c.bits <= 8) p.palette = {0};
        if (c.bits <= 8) p.colorsUsed = 1;
        p.pixels.assign(std::size_t(c.widthBytes) * 2, '\0');
        tk_test::WriteFile("p.bmp", bmp_test::File(p));
        HANDLE h = LoadImageA(nullptr, "p.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
        ASSERT_NE(h, nullptr) << c.bits;
        BITMAP bm;
        std::memset(&bm, 0x5A, sizeof(bm));
        ASSERT_EQ(GetObjectA(static_cast<HGDIOBJ>(h), sizeof(BITMAP), &bm), int(sizeof(BITMAP)));
        EXPECT_EQ(bm.bmType, 0);
        EXPECT_EQ(bm.bmWidth, c.width);
        EXPECT_EQ(bm.bmHeight, 2);
        EXPECT_EQ(bm.bmWidthBytes, c.widthBytes) << c.bits << " bits, " << c.width << " wide";
        EXPECT_EQ(bm.bmPlanes, 1);
        EXPECT_EQ(bm.bmBitsPixel, c.bits);
        EXPECT_EQ(bm.bmBits, nullptr);
        EXPECT_EQ(GetObjectA(static_cast<HGDIOBJ>(h), 0, nullptr), int(sizeof(BITMAP)));
        EXPECT_EQ(GetObjectA(static_cast<HGDIOBJ>(h), sizeof(BITMAP) - 1, &bm), 0);
        EXPECT_EQ(DeleteObject(static_cast<HGDIOBJ>(h)), TRUE);
        // A deleted bitmap is no longer described.
        EXPECT_EQ(GetObjectA(static_cast<HGDIOBJ>(h), sizeof(BITMAP), &bm), 0);
    }
    BITMAP bm{};
    EXPECT_EQ(GetObjectA(nullptr, sizeof(bm), &bm), 0);
    HGDIOBJ pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(GetObjectA(pen, sizeof(bm), &bm), 0);
    DeleteObject(pen);
}

}  // namespace
