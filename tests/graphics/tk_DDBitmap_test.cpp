// Bitmaps into surfaces: resource before file, sizes and scaling, refills and their debugger
// texts, pixel values of colours, colour keys and palettes.
#include <gtest/gtest.h>

#include <algorithm>
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

std::string Dims(IDirectDrawSurface* s) {
    return Nums(SizeOf(s).first, SizeOf(s).second);
}

TEST_F(DDBitmapTest, ResourceFirstWithoutRegardToCaseThenFileAtTheirSizeOrStretched) {
    // A file of the same name as the resource, and a file alone.
    WriteFile("sheet.bmp", Bmp24(2, 2, [](int, int) { return std::uint16_t{0xFFFF}; }));
    WriteFile("other.bmp", Bmp24(3, 1, [](int x, int) { return Letter(x); }));
    int w = -1, h = -1, wrong = 0;
    IDirectDrawSurface* s = DDCreateSurfaceFromBitmap(dd_, "sheet.bmp", 0, 0, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Nums(w, h) + " " + Dims(s), Nums(kSheetW, kSheetH) + " " + Nums(kSheetW, kSheetH));
    for (int y = 0; y < kSheetH; ++y)
        for (int x = 0; x < kSheetW; ++x) wrong += PixelOf(s, x, y) != SheetPixel(x, y);
    EXPECT_EQ(wrong, 0);
    s->Release();
    s = DDCreateSurfaceFromBitmap(dd_, "other.bmp", 0, 0, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Nums(w, h), "3,1");
    EXPECT_EQ(PixelsOf(s), (std::vector<std::uint16_t>{Letter(0), Letter(1), Letter(2)}));
    s->Release();
    // Neither a resource nor a file: null, the sizes untouched, nothing said.
    w = h = -1;
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, "missing.bmp", 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(dd_, nullptr, 0, 0, &w, &h), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap(nullptr, "sheet.bmp", 0, 0, nullptr, nullptr), nullptr);
    EXPECT_EQ(DDCreateSurfaceFromBitmap_stretch(dd_, "missing.bmp", 10, 10), nullptr);
    EXPECT_EQ(Nums(w, h), "-1,-1");
    EXPECT_EQ(tkp_TakeDebugOutput(), "");

    // Four quadrants, so that the corners of any scaled copy are known: the whole picture shows.
    ASSERT_TRUE(RegisterBitmap("BIG.BMP", Bmp24(235, 211, [](int x, int y) -> std::uint16_t {
                                   return y < 105 ? (x < 117 ? 0x001F : 0x07E0) : (x < 117 ? 0xF800 : 0xFFFF);
                               })));
    s = DDCreateSurfaceFromBitmap_stretch(dd_, "big.bmp", 100, 80);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(
        Dims(s) + " " + Nums(PixelOf(s, 0, 0), PixelOf(s, 99, 0), PixelOf(s, 0, 79), PixelOf(s, 99, 79)),
        "100,80 " + Nums(0x001F, 0x07E0, 0xF800, 0xFFFF));
    s->Release();
    // The plain loader at a load size reports that size.
    s = DDCreateSurfaceFromBitmap(dd_, "BIG.BMP", 50, 40, &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Nums(w, h) + " " + Dims(s) + " " + Nums(PixelOf(s, 49, 39)), "50,40 50,40 65535");
    s->Release();
}

TEST_F(DDBitmapTest, CopyBitmapStretchesItsRectangleOverTheWholeSurface) {
    ASSERT_TRUE(RegisterBitmap("TWO.BMP", Bmp24(2, 1, [](int x, int) { return Letter(x); })));
    auto bitmap =
        static_cast<HBITMAP>(LoadImageA(nullptr, "TWO.BMP", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(bitmap, nullptr);
    TestSurface target(4, 2);
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(target.Lines(0, 0, 4, 2, LetterLegend()), "aabb|aabb");
    // Only the bitmap's second column.
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 1, 0, 1, 0), DD_OK);
    EXPECT_EQ(target.Lines(0, 0, 4, 2, LetterLegend()), "bbbb|bbbb");
    EXPECT_EQ(DDCopyBitmap(nullptr, bitmap, 0, 0, 0, 0), kEFail);
    EXPECT_EQ(DDCopyBitmap(target.get(), nullptr, 0, 0, 0, 0), kEFail);
    // A lost surface is restored before it is written.
    tkp_MarkSurfaceLost(target.get());
    EXPECT_EQ(DDCopyBitmap(target.get(), bitmap, 0, 0, 0, 0), DD_OK);
    EXPECT_EQ(target.Lines(0, 0, 4, 2, LetterLegend()), "aabb|aabb");
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

TEST_F(DDBitmapTest, PixelOfColourLeavesTheCornerAsItWasAndKeysAreSetFromColours) {
    TestSurface s(3, 2), one(1, 1);
    s.Fill(0x1234);
    EXPECT_EQ(Nums(DDPixelOfColour(s.get(), RGB(255, 255, 255)), DDPixelOfColour(s.get(), RGB(255, 0, 0)),
                   DDPixelOfColour(s.get(), RGB(0, 0, 0)), DDPixelOfColour(s.get(), CLR_INVALID)),
              Nums(0xFFFF, 0xF800, 0, 0x1234));
    EXPECT_EQ(PixelsOf(s.get()), std::vector<std::uint16_t>(6, 0x1234));
    // A one-pixel surface holds only two bytes, and that is all that is read.
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
    ASSERT_EQ(s.get()->GetSurfaceDesc(&d), DD_OK);
    EXPECT_EQ(Nums(d.dwFlags & DDSD_CKSRCBLT ? 1 : 0, d.ddckCKSrcBlt.dwColorSpaceLowValue,
                   d.ddckCKSrcBlt.dwColorSpaceHighValue, s.Pixel(0, 0)),
              Nums(1, 0x07FF, 0x07FF, 0x1234));
}

// The palette's entries as 0x00RRGGBB (flags in the top byte); the palette is released.
std::vector<std::uint32_t> Entries(IDirectDrawPalette* p) {
    if (!p) return std::vector<std::uint32_t>(256, 0xDEADu);
    PALETTEENTRY e[256];
    EXPECT_EQ(p->GetEntries(0, 0, 256, e), DD_OK);
    p->Release();
    std::vector<std::uint32_t> out;
    for (const PALETTEENTRY& x : e)
        out.push_back(std::uint32_t{x.peFlags} << 24 | std::uint32_t{x.peRed} << 16 | x.peGreen << 8 |
                      x.peBlue);
    return out;
}

TEST_F(DDBitmapTest, PalettesFromNothingResourcesAndFiles) {
    // 3-3-2 entries: 0b101'101'10 has red and green 5 * 255 / 7, blue 2 * 255 / 3.
    const std::vector<std::uint32_t> standard = Entries(DDLoadPalette(dd_, nullptr));
    EXPECT_EQ(Nums(standard[0], standard[0xB6], standard[255]), Nums(0, 0xB6B6AA, 0xFFFFFF));
    // A resource's colour table over those; a file's table, then the bytes that follow it (eight
    // zero pixel bytes: two entries), and the standard entries where the file ends.
    const std::vector<std::uint32_t> table{0x102030, 0x405060, 0x708090};
    std::vector<std::uint32_t> resource = standard, file = standard;
    std::copy(table.begin(), table.end(), resource.begin());
    std::copy(table.begin(), table.end(), file.begin());
    file[3] = file[4] = 0;
    ASSERT_TRUE(RegisterBitmap("PAL.BMP", Bmp8(4, 2, table)));
    WriteFile("file.bmp", Bmp8(4, 2, table));
    EXPECT_EQ(Entries(DDLoadPalette(dd_, "pal.bmp")), resource);
    EXPECT_EQ(Entries(DDLoadPalette(dd_, "file.bmp")), file);
    // A header that claims 1000 colours fills no more than the palette and the data hold.
    std::string big = Bmp8(4, 2, table);
    big[46] = static_cast<char>(1000 & 0xFF);
    big[47] = static_cast<char>(1000 >> 8);
    ASSERT_TRUE(RegisterBitmap("BIG.BMP", big));
    WriteFile("big.bmp", big);
    EXPECT_EQ(Entries(DDLoadPalette(dd_, "BIG.BMP"))[2], 0x708090u);
    tkp_ClearRegisteredResources();
    EXPECT_EQ(Entries(DDLoadPalette(dd_, "big.bmp"))[2], 0x708090u);
    // Neither resource nor file: the standard palette.
    EXPECT_EQ(Entries(DDLoadPalette(dd_, "missing.bmp")), standard);
    EXPECT_EQ(DDLoadPalette(nullptr, nullptr), nullptr);
    EXPECT_EQ(tkp_TakeDebugOutput(), "");
}

TEST_F(DDBitmapTest, SizeOfABitmapAndReplacingASurface) {
    int w = -1, h = -1;
    tk_glob_GetSizeBitmap("SHEET.BMP", &w, &h);
    EXPECT_EQ(Nums(w, h) + tkp_TakeDebugOutput(), Nums(kSheetW, kSheetH));
    w = h = -1;
    tk_glob_GetSizeBitmap("missing.bmp", &w, &h);
    EXPECT_EQ(Nums(w, h) + tkp_TakeDebugOutput(), "-1,-1$QR: handle is null\n");
    // The old surface is released, also when the new one cannot be made.
    const int live = tkp_LiveSurfaceCount();
    IDirectDrawSurface* s = DDReplaceSurfaceFromBitmap(dd_, nullptr, "SHEET.BMP", &w, &h);
    ASSERT_NE(s, nullptr);
    s = DDReplaceSurfaceFromBitmap(dd_, s, "SHEET.BMP", &w, &h);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(tkp_LiveSurfaceCount(), live + 1);
    EXPECT_EQ(DDReplaceSurfaceFromBitmap(dd_, s, "missing.bmp", &w, &h), nullptr);
    EXPECT_EQ(tkp_LiveSurfaceCount(), live);
}

}  // namespace
}  // namespace tk_test
