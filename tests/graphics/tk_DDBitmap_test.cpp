// Bitmaps into surfaces: resource before file, sizes and scaling, refills and their debugger
// texts, pixel values of colours, colour keys and palettes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "tests/graphics/tk_test_sheet.h"
#include "tests/graphics/tk_test_surface.h"

namespace tk_test {
namespace {

constexpr HRESULT kEFail = static_cast<HRESULT>(0x80004005u);

using DDBitmapTest = SheetWorld;

TEST_F(DDBitmapTest, ResourceFirstWithoutRegardToCaseThenFile) {
    // A file of the same name as the resource, and a file alone.
    WriteFile("sheet.bmp", Bmp24(2, 2, [](int, int) { return std::uint16_t{0xFFFF}; }));
    WriteFile("other.bmp", Bmp24(3, 1, [](int x, int) { return Letter(x); }));
    int w = -1, h = -1;
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap(dd_, "sheet.bmp", 0, 0, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(w, kSheetW);
    EXPECT_EQ(h, kSheetH);
    EXPECT_EQ(SizeOf(s), std::make_pair(kSheetW, kSheetH));
    for (int y = 0; y < kSheetH; ++y)
        for (int x = 0; x < kSheetW; ++x) ASSERT_EQ(PixelOf(s, x, y), SheetPixel(x, y)) << x << "," << y;
    s->Release();

    s = DDCreateSurfaceFromBitmap(dd_, "other.bmp", 0, 0, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 1);
    EXPECT_EQ(PixelsOf(s), (std::vector<std::uint16_t>{Letter(0), Letter(1), Letter(2)}));
    s->Release();

    // Neither a resource nor a file: null, the sizes untouched, nothing said.
    w = h = -1;
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, "missing.bmp", 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, nullptr, 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(nullptr, "sheet.bmp", 0, 0, nullptr, nullptr), nullptr);
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -1);
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
}

TEST_F(DDBitmapTest, StretchedLoadsShowTheWholePictureAtTheAskedSize) {
    // Four quadrants, so that the corners of any scaled copy are known.
    auto quadrants = [](int x, int y) -> std::uint16_t {
        if (y < 105) return x < 117 ? 0x001F : 0x07E0;
        return x < 117 ? 0xF800 : 0xFFFF;
    };
    ASSERT_TRUE(RegisterBitmap("BIG.BMP", Bmp24(235, 211, quadrants)));
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap_stretch(dd_, "big.bmp", 100, 80);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(SizeOf(s), std::make_pair(100, 80));
    EXPECT_EQ(PixelOf(s, 0, 0), 0x001F);
    EXPECT_EQ(PixelOf(s, 99, 0), 0x07E0);
    EXPECT_EQ(PixelOf(s, 0, 79), 0xF800);
    EXPECT_EQ(PixelOf(s, 99, 79), 0xFFFF);
    s->Release();

    // The plain loader at a load size reports that size.
    int w = 0, h = 0;
    s = DDCreateSurfaceFromBitmap(dd_, "BIG.BMP", 50, 40, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(w, 50);
    EXPECT_EQ(h, 40);
    EXPECT_EQ(SizeOf(s), std::make_pair(50, 40));
    EXPECT_EQ(PixelOf(s, 49, 39), 0xFFFF);
    s->Release();
    EXPECT_EQ(DDCreateSurfaceFromBitmap_stretch(dd_, "missing.bmp", 10, 10), nullptr);
}

TEST_F(DDBitmapTest, CopyBitmapStretchesItsRectangleOverTheWholeSurface) {
    ASSERT_TRUE(RegisterBitmap("TWO.BMP", Bmp24(2, 1, [](int x, int) { return Letter(x); })));
    auto bitmap =
        static_cast<HBITMAP>(LoadImageA(nullptr, "TWO.BMP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    TestSurface target(4, 2);
    const std::uint16_t a = Letter(0), b = Letter(1);
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(PixelsOf(target.get()), (std::vector<std::uint16_t>{a, a, b, b, a, a, b, b}));
    // Only the bitmap's second column.
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 1, 0, 1, 0), DD_OK);
    EXPECT_EQ(PixelsOf(target.get()), std::vector<std::uint16_t>(8, b));
    EXPECT_EQ(DDCopyBitmap(nullptr, bitmap, 0, 0, 0, 0), kEFail);
    EXPECT_EQ(DDCopyBitmap(target.get(), nullptr, 0, 0, 0, 0), kEFail);
    // A lost surface is restored before it is written.
    tkp_MarkSurfaceLost(target.get());
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(PixelsOf(target.get()), (std::vector<std::uint16_t>{a, a, b, b, a, a, b, b}));
    DeleteObject(bitmap);
}

TEST_F(DDBitmapTest, RefillsAndTheirDebuggerTexts) {
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap(dd_, "SHEET.BMP", 0, 0, nullptr, nullptr);
    ASSERT_NE(s, nullptr);
    const std::vector<std::uint16_t> sheet = PixelsOf(s);
    tkp_MarkSurfaceLost(s);
    ASSERT_EQ(s->Restore(), DD_OK);
    ASSERT_EQ(PixelOf(s, 0, 0), tkp_LostPatternPixel(0, 0));
    EXPECT_EQ(DDRefillSurface(s, "sheet.bmp"), DD_OK);
    EXPECT_EQ(PixelsOf(s), sheet);
    EXPECT_EQ(tkp_TakeDebugOutput(), "");

    // Missing bitmaps: E_FAIL, the surface untouched.
    ASSERT_EQ(DDSURFACE_ZMAZ(s, 0x1234), DD_OK);
    EXPECT_EQ(DDRefillSurface(s, "missing.bmp"), kEFail);
    EXPECT_EQ(tkp_TakeDebugOutput(), "handle is null\n");
    EXPECT_EQ(DDRefillSurface_stretch(s, "missing.bmp", 48, 32), kEFail);
    EXPECT_EQ(tkp_TakeDebugOutput(), "$QR: handle is null\n");
    EXPECT_EQ(PixelsOf(s), std::vector<std::uint16_t>(48 * 32, 0x1234));

    // A surface that cannot give its device context (it is locked) fails the copy.
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    ASSERT_EQ(s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(DDRefillSurface(s, "SHEET.BMP"), DDERR_SURFACEBUSY);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddcopybitmap failed\n");
    EXPECT_EQ(DDRefillSurface_stretch(s, "SHEET.BMP", 48, 32), DDERR_SURFACEBUSY);
    EXPECT_EQ(tkp_TakeDebugOutput(), "$QR: DDCopyBitmap failed\n");
    s->Unlock(nullptr);

    // The stretching refill loads at the size it is given.
    EXPECT_EQ(DDRefillSurface_stretch(s, "SHEET.BMP", 96, 64), DD_OK);
    EXPECT_EQ(PixelsOf(s), sheet);
    s->Release();
}

TEST_F(DDBitmapTest, PixelOfColourLeavesTheCornerAsItWas) {
    TestSurface s(3, 2);
    s.Fill(0x1234);
    EXPECT_EQ(DDPixelOfColour(s.get(), RGB(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(DDPixelOfColour(s.get(), RGB(255, 0, 0)), 0xF800u);
    EXPECT_EQ(DDPixelOfColour(s.get(), RGB(0, 0, 0)), 0u);
    EXPECT_EQ(PixelsOf(s.get()), std::vector<std::uint16_t>(6, 0x1234));
    // No colour: the corner's own value.
    EXPECT_EQ(DDPixelOfColour(s.get(), CLR_INVALID), 0x1234u);
    // A one-pixel surface holds only two bytes, and that is all that is read.
    TestSurface one(1, 1);
    EXPECT_EQ(DDPixelOfColour(one.get(), RGB(255, 255, 255)), 0xFFFFu);
    EXPECT_EQ(one.Pixel(0, 0), 0);
    // A surface that cannot be locked has no answer.
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    ASSERT_EQ(s.get()->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(DDPixelOfColour(s.get(), RGB(255, 255, 255)), CLR_INVALID);
    EXPECT_EQ(DDSetSourceColourKey(s.get(), RGB(0, 255, 255)), DDERR_GENERIC);
    s.get()->Unlock(nullptr);
    EXPECT_EQ(DDPixelOfColour(nullptr, RGB(1, 2, 3)), CLR_INVALID);

    EXPECT_EQ(DDSetSourceColourKey(s.get(), RGB(0, 255, 255)), DD_OK);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    ASSERT_EQ(s.get()->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_TRUE(desc.dwFlags & DDSD_CKSRCBLT);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceLowValue, 0x07FFu);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceHighValue, 0x07FFu);
    EXPECT_EQ(s.Pixel(0, 0), 0x1234);
}

// The palette's entries as 0x00RRGGBB (flags in the top byte).
std::vector<std::uint32_t> Entries(IDirectDrawPalette* p) {
    PALETTEENTRY e[256];
    EXPECT_EQ(p->GetEntries(0, 0, 256, e), DD_OK);
    std::vector<std::uint32_t> out;
    for (const PALETTEENTRY& x : e)
        out.push_back(std::uint32_t{x.peFlags} << 24 | std::uint32_t{x.peRed} << 16 | x.peGreen << 8 |
                      x.peBlue);
    return out;
}

TEST_F(DDBitmapTest, PalettesFromNothingResourcesAndFiles) {
    IDirectDrawPalette* p = DDLoadPalette(dd_, nullptr);
    ASSERT_NE(p, nullptr);
    std::vector<std::uint32_t> e = Entries(p);
    EXPECT_EQ(e[0], 0x000000u);
    EXPECT_EQ(e[255], 0xFFFFFFu);
    // 0b101'101'10: red and green 5 * 255 / 7, blue 2 * 255 / 3.
    EXPECT_EQ(e[0xB6], 0xB6B6AAu);
    const std::vector<std::uint32_t> standard = e;
    p->Release();

    // A resource's colour table over the 3-3-2 entries.
    const std::vector<std::uint32_t> table{0x102030, 0x405060, 0x708090};
    ASSERT_TRUE(RegisterBitmap("PAL.BMP", Bmp8(4, 2, table)));
    p = DDLoadPalette(dd_, "pal.bmp");
    ASSERT_NE(p, nullptr);
    e = Entries(p);
    EXPECT_EQ(std::vector<std::uint32_t>(e.begin(), e.begin() + 3), table);
    EXPECT_EQ(std::vector<std::uint32_t>(e.begin() + 3, e.end()),
              std::vector<std::uint32_t>(standard.begin() + 3, standard.end()));
    p->Release();

    // A file: its table, then the bytes that follow it (eight zero pixel bytes: two entries), and
    // the default entries where the file ends.
    WriteFile("file.bmp", Bmp8(4, 2, table));
    p = DDLoadPalette(dd_, "file.bmp");
    ASSERT_NE(p, nullptr);
    e = Entries(p);
    EXPECT_EQ(std::vector<std::uint32_t>(e.begin(), e.begin() + 3), table);
    EXPECT_EQ(e[3], 0u);
    EXPECT_EQ(e[4], 0u);
    EXPECT_EQ(std::vector<std::uint32_t>(e.begin() + 5, e.end()),
              std::vector<std::uint32_t>(standard.begin() + 5, standard.end()));
    p->Release();

    // A header that claims 1000 colours fills no more than the palette and the data hold.
    std::string big = Bmp8(4, 2, table);
    big[46] = static_cast<char>(1000 & 0xFF);
    big[47] = static_cast<char>(1000 >> 8);
    ASSERT_TRUE(RegisterBitmap("BIG.BMP", big));
    WriteFile("big.bmp", big);
    p = DDLoadPalette(dd_, "BIG.BMP");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Entries(p)[2], 0x708090u);
    p->Release();
    tkp_ClearRegisteredResources();
    p = DDLoadPalette(dd_, "big.bmp");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Entries(p)[2], 0x708090u);
    p->Release();

    // Neither resource nor file: the 3-3-2 palette.
    p = DDLoadPalette(dd_, "missing.bmp");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Entries(p), standard);
    p->Release();
    EXPECT_EQ(DDLoadPalette(nullptr, nullptr), nullptr);
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
}

TEST_F(DDBitmapTest, SizeOfABitmapAndReplacingASurface) {
    int w = -1, h = -1;
    tk_glob_GetSizeBitmap("SHEET.BMP", &w, &h);
    EXPECT_EQ(w, kSheetW);
    EXPECT_EQ(h, kSheetH);
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
    w = h = -1;
    tk_glob_GetSizeBitmap("missing.bmp", &w, &h);
    EXPECT_EQ(w, -1);
    EXPECT_EQ(h, -1);
    EXPECT_EQ(tkp_TakeDebugOutput(), "$QR: handle is null\n");

    const int live = tkp_LiveSurfaceCount();
    IDirectDrawSurface* s = DDReplaceSurfaceFromBitmap(dd_, nullptr, "SHEET.BMP", &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
    s = DDReplaceSurfaceFromBitmap(dd_, s, "SHEET.BMP", &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
    EXPECT_EQ(DDReplaceSurfaceFromBitmap(dd_, s, "missing.bmp", &w, &h), nullptr);
    EXPECT_EQ(tkp_LiveSurfaceCount(), live);
}

}  // namespace
}  // namespace tk_test
