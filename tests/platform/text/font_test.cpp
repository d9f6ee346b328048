// Fonts: CreateFontA's heights, widths that narrow or widen, weight, faces through fontconfig,
// stock fonts, limits and shared strikes.
#include <gtest/gtest.h>

#include <string>

#include "platform/text/font_library.h"
#include "tests/common/platform/debug_log.h"
#include "tests/common/tk_test_surface.h"
#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

using tk_test::Nums;

// The text drawn black at (10, 10) on a white picture.
MemoryTarget drawn(const FontPtr& font, const std::string& text) {
    MemoryTarget target(700, 200);
    tkp::text::TextOut(target, Use(font), tkp::text::TextStyle{}, 10, 10, text);
    return target;
}

TEST(FontTest, PositiveHeightIsTheCellNegativeHeightTheEm) {
    for (int h : {8, 10, 15, 16, 22, 40, 150}) {
        FontPtr cell = MakeFont(h, 0), em = MakeFont(-h, 0);
        const tkp::text::FontStrike &c = Strike(cell), &e = Strike(em);
        EXPECT_NEAR(c.Height(), h, 1) << "cell height " << h;
        // The em leaves out the internal leading.
        EXPECT_TRUE(Extent(cell, "Zamiešaj").cy == c.Height() && e.Key().ppem == h &&
                    e.Height() > c.Height() && e.Height() == e.Ascent() + e.Descent())
            << h;
    }
    // Height 0 is a 16-pixel cell; huge heights are limited, and reported.
    EXPECT_EQ(Strike(MakeFont(0, 0)).Key().ppem, Strike(MakeFont(16, 0)).Key().ppem);
    EXPECT_EQ(ptest::Logged([] { EXPECT_EQ(Strike(MakeFont(-100000, 0)).Key().ppem, 1024); }),
              "text: font height -100000 gives 100000 pixels per em, limited to 1024\n");
}

TEST(FontTest, WidthNarrowsAndWidensTheGlyphs) {
    FontPtr normal = MakeFont(22, 0, FW_BOLD);
    const int average = Strike(normal).AveCharWidth();
    FontPtr own = MakeFont(22, average, FW_BOLD), narrow = MakeFont(22, average / 2, FW_BOLD);
    FontPtr wide = MakeFont(22, average * 2, FW_BOLD);
    const std::string name = "Ozvučenie kariet...";
    const int n = static_cast<int>(tkp::text::DecodeUtf8(name).size());
    const int w = Extent(normal, name).cx;
    // The face's own average width changes nothing but rounding; half and double scale the advances.
    EXPECT_NEAR(Extent(own, name).cx, w, n);
    EXPECT_NEAR(Extent(narrow, name).cx, w / 2.0, n);
    EXPECT_NEAR(Extent(wide, name).cx, w * 2.0, n);
    // A negative width counts as its magnitude.
    EXPECT_EQ(Nums(Extent(narrow, name).cy, Extent(MakeFont(22, -(average / 2), FW_BOLD), name).cx),
              Nums(Extent(normal, name).cy, Extent(narrow, name).cx));
    // The pixels show it: narrower ink of the same height.
    const RECT inkNormal = drawn(normal, name).Ink(), inkNarrow = drawn(narrow, name).Ink();
    const RECT inkWide = drawn(wide, name).Ink();
    const int wn = inkNormal.right - inkNormal.left;
    EXPECT_TRUE(inkNarrow.right - inkNarrow.left < wn * 6 / 10 &&
                inkWide.right - inkWide.left > wn * 18 / 10);
    EXPECT_EQ(Nums(inkNarrow.top, inkNarrow.bottom), Nums(inkNormal.top, inkNormal.bottom));
}

TEST(FontTest, WeightAndFaceNamesChooseTheFaceThroughFontconfig) {
    FontPtr regular = MakeFont(22, 0, FW_NORMAL), bold = MakeFont(22, 0, FW_BOLD);
    const std::string text = "Super! Gratulujeme!";
    EXPECT_TRUE(Extent(bold, text).cx > Extent(regular, text).cx && !Strike(bold).Key().embolden);
    EXPECT_GT(drawn(bold, text).Darkness(), drawn(regular, text).Darkness() * 13 / 10);
    // Faces by name, with the two weights the program asks for.
    const std::pair<FontPtr, const char*> cases[] = {
        // Verdana is not installed: fontconfig's substitute is used.
        {MakeFont(22, 18, FW_BOLD, "Verdana"), "DejaVu Sans/Bold"},
        {MakeFont(15, 9, FW_NORMAL, "Verdana"), "DejaVu Sans/Book"},
        // No face name gets the generic family of the pitch and family byte.
        {MakeFont(16, 0, FW_NORMAL, ""), "DejaVu Sans/Book"},
        {MakeFont(16, 0, FW_NORMAL, "DejaVu Sans Mono"), "DejaVu Sans Mono/Book"},
    };
    for (const auto& [font, family] : cases) EXPECT_EQ(FamilyOf(font), family);
    // (A face with no substitute at all is the game's missing-fonts test's.)
    // Fonts of the same size share one strike, however their face was named.
    EXPECT_EQ(&Strike(MakeFont(22, 18, FW_BOLD, "Verdana")),
              &Strike(MakeFont(22, 18, FW_BOLD, "DejaVu Sans")));
}

// (Stock fonts and a DC's default drawing in it are the text-on-DC test's.)
TEST(FontTest, TheSystemFontIsASixteenPixelBoldFace) {
    tkp::text::FontStrike* system = tkp::text::SystemFont()->strike.get();
    ASSERT_NE(system, nullptr);
    EXPECT_NEAR(system->Height(), 16, 1);
    EXPECT_STREQ(system->Key().face->style_name, "Bold");
}

TEST(FontTest, GetObjectTellsAFontsLogfontAndNothingOfAPen) {
    // What a caller needs to make a narrower font like one it was given.
    HFONT font = CreateFontA(22, 9, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, EASTEUROPE_CHARSET, 0, 0, 0,
                             VARIABLE_PITCH | FF_SWISS, "Verdana");
    LOGFONTA lf{};
    EXPECT_EQ(GetObjectA(font, 0, nullptr), static_cast<int>(sizeof lf));
    EXPECT_EQ(GetObjectA(font, sizeof lf - 1, &lf), 0);
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(Nums(lf.lfHeight, lf.lfWidth, lf.lfWeight, lf.lfItalic, lf.lfCharSet) + lf.lfFaceName,
              "22,9,700,1,238Verdana");
    DeleteObject(font);
    EXPECT_EQ(GetObjectA(font, sizeof lf, &lf), 0);
    // The stock font tells the system font it draws in.
    EXPECT_EQ(GetObjectA(GetStockObject(SYSTEM_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(Nums(lf.lfHeight, lf.lfWeight), "16,700");
    HPEN pen = CreatePen(PS_SOLID, 1, 0);
    EXPECT_EQ(GetObjectA(pen, sizeof lf, &lf), 0);
    DeleteObject(pen);
}

TEST(FontTest, UnusedStrikesAreReleased) {
    // The keys of the game: every F1 press makes fonts of a new width and deletes the old ones.
    FontPtr kept = MakeFont(23, 11, FW_BOLD);
    for (int width = 1; width <= 120; ++width) MakeFont(23, width, FW_BOLD);
    EXPECT_LE(tkp::text::FontLibrary::Get().StrikeCount(), 40);
    EXPECT_EQ(&Strike(MakeFont(23, 11, FW_BOLD)), &Strike(kept));
}

}  // namespace
