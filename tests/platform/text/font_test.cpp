// CreateFontA: heights, widths that narrow or widen, weight, faces through fontconfig, stock fonts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/kernel/debug.h"
#include "platform/text/font_library.h"
#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

// The text drawn black at (10, 10) on a white picture.
MemoryTarget Drawn(const FontPtr& font, const std::string& text, int width = 700, int height = 200) {
    MemoryTarget target(width, height);
    tkp_TextOut(target, Use(font), tkp_TextStyle{}, 10, 10, text);
    return target;
}

TEST(FontTest, PositiveHeightIsTheCellNegativeHeightTheEm) {
    for (int h : {8, 10, 15, 16, 22, 40, 150}) {
        FontPtr cell = MakeFont(h, 0);
        EXPECT_NEAR(Strike(cell).Height(), h, 1) << "cell height " << h;
        EXPECT_EQ(Extent(cell, "Zamiešaj").cy, Strike(cell).Height());
        FontPtr em = MakeFont(-h, 0);
        EXPECT_EQ(Strike(em).Key().ppem, h);
        EXPECT_GT(Strike(em).Height(), Strike(cell).Height()) << "the em leaves out the internal leading";
        EXPECT_EQ(Strike(em).Height(), Strike(em).Ascent() + Strike(em).Descent());
    }
    // Height 0 is a 16-pixel cell.
    EXPECT_EQ(Strike(MakeFont(0, 0)).Key().ppem, Strike(MakeFont(16, 0)).Key().ppem);
}

TEST(FontTest, WidthNarrowsAndWidensTheGlyphs) {
    FontPtr normal = MakeFont(22, 0, FW_BOLD);
    const int average = Strike(normal).AveCharWidth();
    FontPtr own = MakeFont(22, average, FW_BOLD);
    FontPtr narrow = MakeFont(22, average / 2, FW_BOLD);
    FontPtr wide = MakeFont(22, average * 2, FW_BOLD);
    const std::string name = "Ozvučenie kariet...";
    const int n = static_cast<int>(tkp_DecodeUtf8(name).size());
    const int w = Extent(normal, name).cx;
    // The face's own average width changes nothing but rounding; half and double scale the advances.
    EXPECT_NEAR(Extent(own, name).cx, w, n);
    EXPECT_NEAR(Extent(narrow, name).cx, w / 2.0, n);
    EXPECT_NEAR(Extent(wide, name).cx, w * 2.0, n);
    EXPECT_EQ(Extent(narrow, name).cy, Extent(normal, name).cy);
    // The pixels show it: narrower ink of the same height.
    const RECT inkNormal = Drawn(normal, name).Ink();
    const RECT inkNarrow = Drawn(narrow, name).Ink();
    const RECT inkWide = Drawn(wide, name).Ink();
    EXPECT_LT(inkNarrow.right - inkNarrow.left, (inkNormal.right - inkNormal.left) * 6 / 10);
    EXPECT_GT(inkWide.right - inkWide.left, (inkNormal.right - inkNormal.left) * 18 / 10);
    EXPECT_EQ(inkNarrow.bottom - inkNarrow.top, inkNormal.bottom - inkNormal.top);
    EXPECT_EQ(inkNarrow.top, inkNormal.top);
    // A negative width counts as its magnitude.
    EXPECT_EQ(Extent(MakeFont(22, -(average / 2), FW_BOLD), name).cx, Extent(narrow, name).cx);
}

TEST(FontTest, NarrowingByTheCardRuleMakesALongNameFit) {
    // A name too wide for a 149-pixel card gets width round(18 * 149 / tw) and then about fits.
    FontPtr common = MakeFont(22, 18, FW_BOLD, "Verdana");
    const std::string name = "Rozlíšenie obrazovky";
    const int tw = Extent(common, name).cx + 1;
    ASSERT_GT(tw, 149);
    const int width = static_cast<int>(18.0 * 149 / tw + 0.5);
    FontPtr narrowed = MakeFont(22, width, FW_BOLD, "Verdana");
    EXPECT_NEAR(Extent(narrowed, name).cx + 1, 149, 12);
    EXPECT_LT(Extent(narrowed, name).cx, tw);
}

TEST(FontTest, BoldIsWiderAndHeavier) {
    FontPtr regular = MakeFont(22, 0, FW_NORMAL);
    FontPtr bold = MakeFont(22, 0, FW_BOLD);
    const std::string text = "Super! Gratulujeme!";
    EXPECT_GT(Extent(bold, text).cx, Extent(regular, text).cx);
    EXPECT_GT(Drawn(bold, text).Darkness(), Drawn(regular, text).Darkness() * 13 / 10);
    EXPECT_EQ(FamilyOf(bold), "DejaVu Sans/Bold");
    EXPECT_EQ(FamilyOf(regular), "DejaVu Sans/Book");
    // 600 and up pick the bold face; below, the regular one.
    EXPECT_EQ(Strike(MakeFont(22, 0, FW_SEMIBOLD)).Key().face, Strike(bold).Key().face);
    EXPECT_EQ(Strike(MakeFont(22, 0, FW_MEDIUM)).Key().face, Strike(regular).Key().face);
    EXPECT_EQ(Strike(MakeFont(22, 0, FW_DONTCARE)).Key().face, Strike(regular).Key().face);
    EXPECT_FALSE(Strike(bold).Key().embolden);
    EXPECT_EQ(FamilyOf(MakeFont(22, 0, FW_NORMAL, "DejaVu Sans", true)), "DejaVu Sans/Oblique");
}

TEST(FontTest, FaceNamesResolveThroughFontconfig) {
    FontPtr verdana = MakeFont(22, 18, FW_BOLD, "Verdana");
    FontPtr dejavu = MakeFont(22, 18, FW_BOLD, "DejaVu Sans");
    EXPECT_EQ(FamilyOf(verdana), "DejaVu Sans/Bold");
    EXPECT_EQ(Strike(verdana).Key().face, Strike(dejavu).Key().face);
    EXPECT_EQ(&Strike(verdana), &Strike(dejavu)) << "fonts of the same size share one strike";
    EXPECT_EQ(FamilyOf(MakeFont(15, 9, FW_NORMAL, "Verdana")), "DejaVu Sans/Book");
    // No face name, or one that is not installed, gets the generic family of the pitch and family byte.
    EXPECT_EQ(FamilyOf(MakeFont(16, 0, FW_NORMAL, "")), "DejaVu Sans/Book");
    EXPECT_EQ(FamilyOf(MakeFont(16, 0, FW_NORMAL, nullptr)), "DejaVu Sans/Book");
    EXPECT_FALSE(FamilyOf(MakeFont(16, 0, FW_NORMAL, "No Such Face 4711")).empty());
    // Other installed families are used as they are.
    EXPECT_EQ(FamilyOf(MakeFont(16, 0, FW_NORMAL, "DejaVu Sans Mono")), "DejaVu Sans Mono/Book");
    EXPECT_EQ(FamilyOf(MakeFont(16, 0, FW_NORMAL, "DejaVu Serif")), "DejaVu Serif/Book");
}

TEST(FontTest, LogfontHoldsBoundedValuesAndCutsLongFaceNames) {
    FontPtr font(CreateFontA(-12, 7, 0, 0, 650, 1, 1, 1, 300, 3, 2, 5, 0x31, "Verdana"));
    const LOGFONTA& lf = static_cast<tkp_GdiFont*>(font.get())->logfont;
    EXPECT_EQ(lf.lfCharSet, 255);  // a character set beyond a byte is held at 255
    EXPECT_STREQ(lf.lfFaceName, "Verdana");
    EXPECT_EQ(font->kind, tkp_GdiKind::Font);
    // 31 bytes fit; a two-byte letter across the limit is left out whole.
    const std::string longName = std::string(30, 'x') + "čy";
    FontPtr cut = MakeFont(16, 0, FW_NORMAL, longName.c_str());
    EXPECT_STREQ(static_cast<tkp_GdiFont*>(cut.get())->logfont.lfFaceName, std::string(30, 'x').c_str());
    FontPtr fits = MakeFont(16, 0, FW_NORMAL, (std::string(29, 'x') + "čy").c_str());
    EXPECT_STREQ(static_cast<tkp_GdiFont*>(fits.get())->logfont.lfFaceName,
                 (std::string(29, 'x') + "č").c_str());
}

TEST(FontTest, UnderlineAndStrikeOutDrawLinesAcrossTheText) {
    FontPtr plain(CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    FontPtr under(CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 1, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    FontPtr struck(CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 1, 0, 0, 0, 0, 0, "DejaVu Sans"));
    const tkp_FontStrike& s = Strike(plain);
    const int width = Extent(plain, "aaa").cx;
    const int under1 = 10 + s.Ascent() + s.UnderlineOffset();
    const int strike1 = 10 + s.Ascent() - s.StrikeOutOffset();
    const MemoryTarget a = Drawn(under, "aaa"), b = Drawn(struck, "aaa");
    // Full black rows from the pen's start to the end of the advances, nothing further.
    for (int x = 10; x < 10 + width; ++x) {
        EXPECT_EQ(a.At(x, under1), 0u) << x;
        EXPECT_EQ(b.At(x, strike1), 0u) << x;
    }
    EXPECT_EQ(a.At(10 + width, under1), 0xFFFFFFu);
    EXPECT_EQ(a.At(9, under1), 0xFFFFFFu);
    EXPECT_FALSE(Drawn(plain, "aaa") == a);
}

TEST(FontTest, NullStockAndForeignHandlesDrawInTheSystemFont) {
    tkp_FontStrike* system = tkp_SystemFont()->strike.get();
    ASSERT_NE(system, nullptr);
    EXPECT_TRUE(tkp_SystemFont()->stock);
    EXPECT_NEAR(system->Height(), 16, 1);
    EXPECT_TRUE(std::strcmp(system->Key().face->style_name, "Bold") == 0);
    EXPECT_EQ(tkp_FontFor(nullptr).strike, system);
    tkp_GdiObject stockFont(tkp_GdiKind::Font);
    stockFont.stock = true;
    EXPECT_EQ(tkp_FontFor(&stockFont).strike, system);
    tkp_GdiObject brush(tkp_GdiKind::Brush);
    EXPECT_EQ(tkp_FontFor(&brush).strike, system);
    // A deleted font's handle is not followed.
    HFONT gone = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Serif");
    EXPECT_NE(tkp_FontFor(gone).strike, system);
    DeleteObject(gone);
    EXPECT_EQ(tkp_FontFor(gone).strike, system);
}

TEST(FontTest, RotationIsLoggedAndIgnored) {
    tkp_CaptureDebugOutput(true);
    FontPtr turned(CreateFontA(20, 0, 900, 900, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
    FontPtr huge = MakeFont(-100000, 0);
    const std::string log = tkp_TakeDebugOutput();
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(log,
              "text: CreateFontA: escapement 900 and orientation 900 are not supported; text is drawn level\n"
              "text: font height -100000 gives 100000 pixels per em, limited to 1024\n");
    EXPECT_EQ(Strike(turned).Key().ppem, Strike(MakeFont(20, 0)).Key().ppem);
    EXPECT_EQ(Strike(huge).Key().ppem, 1024);
}

TEST(FontTest, StrikesAreSharedAndUnusedOnesReleased) {
    tkp_FontLibrary& library = tkp_FontLibrary::Get();
    FontPtr kept = MakeFont(23, 11, FW_BOLD);
    // The keys of the game: every F1 press makes fonts of a new width and deletes the old ones.
    for (int width = 1; width <= 120; ++width) MakeFont(23, width, FW_BOLD);
    EXPECT_LE(library.StrikeCount(), 40);
    FontPtr again = MakeFont(23, 11, FW_BOLD);
    EXPECT_EQ(&Strike(again), &Strike(kept));
}

}  // namespace
