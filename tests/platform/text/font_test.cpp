// Fonts: CreateFontA's heights, widths that narrow or widen, weight, faces through fontconfig,
// underline and strike-out, stock fonts, limits and shared strikes; and EnumFontFamiliesExA's
// families, character sets per family, names and stopping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "platform/text/font_library.h"
#include "tests/common/tk_test_surface.h"
#include "tests/platform/debug_log.h"
#include "tests/platform/text/memory_target.h"
#include "tests/platform/text/text_fonts.h"

namespace {

using tk_test::Nums;

// The text drawn black at (10, 10) on a white picture.
MemoryTarget Drawn(const FontPtr& font, const std::string& text) {
    MemoryTarget target(700, 200);
    tkp_TextOut(target, Use(font), tkp_TextStyle{}, 10, 10, text);
    return target;
}

TEST(FontTest, PositiveHeightIsTheCellNegativeHeightTheEm) {
    for (int h : {8, 10, 15, 16, 22, 40, 150}) {
        FontPtr cell = MakeFont(h, 0), em = MakeFont(-h, 0);
        const tkp_FontStrike &c = Strike(cell), &e = Strike(em);
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

TEST(FontTest, WidthNarrowsAndWidensTheGlyphsAndTheCardRuleMakesALongNameFit) {
    FontPtr normal = MakeFont(22, 0, FW_BOLD);
    const int average = Strike(normal).AveCharWidth();
    FontPtr own = MakeFont(22, average, FW_BOLD), narrow = MakeFont(22, average / 2, FW_BOLD);
    FontPtr wide = MakeFont(22, average * 2, FW_BOLD);
    const std::string name = "Ozvučenie kariet...";
    const int n = static_cast<int>(tkp_DecodeUtf8(name).size());
    const int w = Extent(normal, name).cx;
    // The face's own average width changes nothing but rounding; half and double scale the advances.
    EXPECT_NEAR(Extent(own, name).cx, w, n);
    EXPECT_NEAR(Extent(narrow, name).cx, w / 2.0, n);
    EXPECT_NEAR(Extent(wide, name).cx, w * 2.0, n);
    // A negative width counts as its magnitude.
    EXPECT_EQ(Nums(Extent(narrow, name).cy, Extent(MakeFont(22, -(average / 2), FW_BOLD), name).cx),
              Nums(Extent(normal, name).cy, Extent(narrow, name).cx));
    // The pixels show it: narrower ink of the same height.
    const RECT inkNormal = Drawn(normal, name).Ink(), inkNarrow = Drawn(narrow, name).Ink();
    const RECT inkWide = Drawn(wide, name).Ink();
    const int wn = inkNormal.right - inkNormal.left;
    EXPECT_TRUE(inkNarrow.right - inkNarrow.left < wn * 6 / 10 &&
                inkWide.right - inkWide.left > wn * 18 / 10);
    EXPECT_EQ(Nums(inkNarrow.top, inkNarrow.bottom), Nums(inkNormal.top, inkNormal.bottom));
    // A name too wide for a 149-pixel card gets width round(18 * 149 / tw) and then about fits.
    FontPtr common = MakeFont(22, 18, FW_BOLD, "Verdana");
    const std::string longName = "Rozlíšenie obrazovky";
    const int tw = Extent(common, longName).cx + 1;
    ASSERT_GT(tw, 149);
    FontPtr narrowed = MakeFont(22, static_cast<int>(18.0 * 149 / tw + 0.5), FW_BOLD, "Verdana");
    EXPECT_NEAR(Extent(narrowed, longName).cx + 1, 149, 12);
}

TEST(FontTest, WeightAndFaceNamesChooseTheFaceThroughFontconfig) {
    FontPtr regular = MakeFont(22, 0, FW_NORMAL), bold = MakeFont(22, 0, FW_BOLD);
    const std::string text = "Super! Gratulujeme!";
    EXPECT_TRUE(Extent(bold, text).cx > Extent(regular, text).cx && !Strike(bold).Key().embolden);
    EXPECT_GT(Drawn(bold, text).Darkness(), Drawn(regular, text).Darkness() * 13 / 10);
    // 600 and up pick the bold face; below, the regular one.
    const std::pair<FontPtr, const char*> cases[] = {
        {MakeFont(22, 0, FW_SEMIBOLD), "DejaVu Sans/Bold"},
        {MakeFont(22, 0, FW_MEDIUM), "DejaVu Sans/Book"},
        {MakeFont(22, 0, FW_DONTCARE), "DejaVu Sans/Book"},
        {MakeFont(22, 0, FW_NORMAL, "DejaVu Sans", true), "DejaVu Sans/Oblique"},
        // Verdana is not installed: fontconfig's substitute is used.
        {MakeFont(22, 18, FW_BOLD, "Verdana"), "DejaVu Sans/Bold"},
        {MakeFont(15, 9, FW_NORMAL, "Verdana"), "DejaVu Sans/Book"},
        // No face name gets the generic family of the pitch and family byte.
        {MakeFont(16, 0, FW_NORMAL, ""), "DejaVu Sans/Book"},
        {MakeFont(16, 0, FW_NORMAL, nullptr), "DejaVu Sans/Book"},
        {MakeFont(16, 0, FW_NORMAL, "DejaVu Sans Mono"), "DejaVu Sans Mono/Book"},
        {MakeFont(16, 0, FW_NORMAL, "DejaVu Serif"), "DejaVu Serif/Book"},
    };
    for (const auto& [font, family] : cases) EXPECT_EQ(FamilyOf(font), family);
    EXPECT_FALSE(FamilyOf(MakeFont(16, 0, FW_NORMAL, "No Such Face 4711")).empty());
    // Fonts of the same size share one strike, however their face was named.
    EXPECT_EQ(&Strike(MakeFont(22, 18, FW_BOLD, "Verdana")),
              &Strike(MakeFont(22, 18, FW_BOLD, "DejaVu Sans")));
}

TEST(FontTest, LogfontHoldsBoundedValuesAndCutsLongFaceNamesAtALetter) {
    FontPtr font(CreateFontA(-12, 7, 0, 0, 650, 1, 1, 1, 300, 3, 2, 5, 0x31, "Verdana"));
    EXPECT_EQ(static_cast<tkp_GdiFont*>(font.get())->logfont.lfCharSet, 255);  // beyond a byte: held at 255
    // 31 bytes fit; a two-byte letter across the limit is left out whole.
    const auto face = [](const std::string& name) {
        FontPtr f = MakeFont(16, 0, FW_NORMAL, name.c_str());
        return std::string(static_cast<tkp_GdiFont*>(f.get())->logfont.lfFaceName);
    };
    EXPECT_EQ(face(std::string(30, 'x') + "čy"), std::string(30, 'x'));
    EXPECT_EQ(face(std::string(29, 'x') + "čy"), std::string(29, 'x') + "č");
}

TEST(FontTest, UnderlineAndStrikeOutDrawLinesAcrossTheAdvances) {
    const auto make = [](DWORD underline, DWORD strikeOut) {
        return FontPtr(
            CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, underline, strikeOut, 0, 0, 0, 0, 0, "DejaVu Sans"));
    };
    FontPtr plain = make(0, 0);
    const tkp_FontStrike& s = Strike(plain);
    const int width = Extent(plain, "aaa").cx;
    const int underY = 10 + s.Ascent() + s.UnderlineOffset(), strikeY = 10 + s.Ascent() - s.StrikeOutOffset();
    const MemoryTarget a = Drawn(make(1, 0), "aaa"), b = Drawn(make(0, 1), "aaa");
    // Full black rows from the pen's start to the end of the advances, nothing further.
    for (int x = 10; x < 10 + width; ++x) EXPECT_EQ(a.At(x, underY) | b.At(x, strikeY), 0u) << x;
    EXPECT_EQ(a.At(10 + width, underY) & a.At(9, underY), 0xFFFFFFu);
    EXPECT_FALSE(Drawn(plain, "aaa") == a);
}

TEST(FontTest, NullStockForeignAndDeletedHandlesDrawInTheSystemFont) {
    tkp_FontStrike* system = tkp_SystemFont()->strike.get();
    ASSERT_NE(system, nullptr);
    EXPECT_NEAR(system->Height(), 16, 1);
    EXPECT_STREQ(system->Key().face->style_name, "Bold");
    tkp_GdiObject stockFont(tkp_GdiKind::Font), brush(tkp_GdiKind::Brush);
    stockFont.stock = true;
    for (HGDIOBJ handle : {static_cast<HGDIOBJ>(nullptr), &stockFont, &brush})
        EXPECT_EQ(tkp_FontFor(handle).strike, system);
    HFONT gone = CreateFontA(30, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Serif");
    const bool own = tkp_FontFor(gone).strike != system;
    DeleteObject(gone);
    EXPECT_TRUE(own && tkp_FontFor(gone).strike == system);
    // Rotation is not offered: reported, and the text is drawn level.
    FontPtr turned;
    EXPECT_EQ(
        ptest::Logged([&] {
            turned.reset(CreateFontA(20, 0, 900, 900, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "DejaVu Sans"));
        }),
        "text: CreateFontA: escapement 900 and orientation 900 are not supported; text is drawn level\n");
    EXPECT_EQ(Strike(turned).Key().ppem, Strike(MakeFont(20, 0)).Key().ppem);
}

TEST(FontTest, UnusedStrikesAreReleased) {
    // The keys of the game: every F1 press makes fonts of a new width and deletes the old ones.
    FontPtr kept = MakeFont(23, 11, FW_BOLD);
    for (int width = 1; width <= 120; ++width) MakeFont(23, width, FW_BOLD);
    EXPECT_LE(tkp_FontLibrary::Get().StrikeCount(), 40);
    EXPECT_EQ(&Strike(MakeFont(23, 11, FW_BOLD)), &Strike(kept));
}

struct Call {
    std::string face, script, style;
    int charset;
    std::string rest;  // full name, type, height, code pages
};

// Declared with the extended records, as a program's callback usually is.
int CALLBACK collect(ENUMLOGFONTEXA* elf, NEWTEXTMETRICEXA* ntm, DWORD type, LPARAM lParam) {
    const auto text = [](const BYTE* s) { return std::string(reinterpret_cast<const char*>(s)); };
    reinterpret_cast<std::vector<Call>*>(lParam)->push_back(
        {elf->elfLogFont.lfFaceName, text(elf->elfScript), text(elf->elfStyle), elf->elfLogFont.lfCharSet,
         text(elf->elfFullName) + " " +
             Nums(type, elf->elfLogFont.lfHeight, ntm->ntmFontSig.fsCsb[0] & 0x3)});
    return 1;
}

std::vector<Call> enumerate(BYTE charset, const char* face = "") {
    LOGFONTA lf{};
    lf.lfCharSet = charset;
    std::snprintf(lf.lfFaceName, sizeof lf.lfFaceName, "%s", face);
    std::vector<Call> calls;
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, &lf, reinterpret_cast<FONTENUMPROCA>(&collect),
                                  reinterpret_cast<LPARAM>(&calls), 0),
              1);
    return calls;
}

int CALLBACK stopAtOnce(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return 0;
}

TEST(FontEnumTest, EveryInstalledFamilyIsListedTogetherInEachCharacterSetItCovers) {
    const std::vector<Call> calls = enumerate(DEFAULT_CHARSET);
    // Face names with consecutive repeats left out: each family's calls come together.
    std::vector<std::string> runs;
    for (const Call& c : calls)
        if (runs.empty() || runs.back() != c.face) runs.push_back(c.face);
    EXPECT_EQ(std::set<std::string>(runs.begin(), runs.end()).size(), runs.size());
    for (const char* expected : {"DejaVu Sans", "DejaVu Serif", "DejaVu Sans Mono", "DejaVu Sans Condensed"})
        EXPECT_NE(std::find(runs.begin(), runs.end(), expected), runs.end()) << expected;
    const auto dejavu =
        std::find_if(calls.begin(), calls.end(), [](const Call& c) { return c.face == "DejaVu Sans"; });
    ASSERT_LE(dejavu + 3, calls.end());
    EXPECT_EQ(std::vector<int>({dejavu[0].charset, dejavu[1].charset, dejavu[2].charset}),
              std::vector<int>({ANSI_CHARSET, EASTEUROPE_CHARSET, RUSSIAN_CHARSET}));
    EXPECT_EQ(dejavu[0].script + "/" + dejavu[1].script + "/" + dejavu[0].style + "/" + dejavu[0].rest,
              "Western/Central European/Book/DejaVu Sans " + Nums(TRUETYPE_FONTTYPE, 16, 3));
    // One character set lists just the families that cover it, in the same order.
    std::vector<std::string> expected, got;
    for (const Call& c : calls)
        if (c.charset == EASTEUROPE_CHARSET) expected.push_back(c.face);
    for (const Call& c : enumerate(EASTEUROPE_CHARSET)) got.push_back(c.face);
    EXPECT_EQ(got, expected);
}

TEST(FontEnumTest, AFaceNameListsThatFamilyOncePerStyleAndTheCallbackCanStop) {
    std::multiset<std::string> styles;
    for (const Call& c : enumerate(EASTEUROPE_CHARSET, "dejavu sans")) styles.insert(c.face + "/" + c.style);
    EXPECT_EQ(styles, (std::multiset<std::string>{"DejaVu Sans/Book", "DejaVu Sans/Bold",
                                                  "DejaVu Sans/Oblique", "DejaVu Sans/Bold Oblique"}));
    EXPECT_TRUE(enumerate(DEFAULT_CHARSET, "No Such Face 4711").empty());
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    int calls = 0;
    EXPECT_EQ(EnumFontFamiliesExA(nullptr, &lf, stopAtOnce, reinterpret_cast<LPARAM>(&calls), 0), 0);
    EXPECT_EQ(Nums(calls, EnumFontFamiliesExA(nullptr, nullptr, stopAtOnce, 0, 0),
                   EnumFontFamiliesExA(nullptr, &lf, nullptr, 0, 0)),
              "1,0,0");
}

}  // namespace
