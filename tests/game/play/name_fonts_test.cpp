// The name fonts in the running game: a name that fits keeps the common font and is drawn black,
// a wider one gets a narrowed font of the same height drawn dark red; F1, F2 and F3 change the font
// and their modified twins undo it; F3 stops at the last face and Ctrl+F3 at the first; every
// replaced font is deleted. Every letter of a name is drawn inside its card, a name that one line
// would squeeze past reading on two.
#include <map>
#include <string>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Draw.h"
#include "game/kartola_card_faces.h"
#include "platform/ddraw/surface_access.h"
#include "platform/pixels/pixel565.h"
#include "platform/testing/test_hooks.h"
#include "platform/text/font.h"
#include "tests/common/game/kartola_world.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"
#include "tests/common/tk_test_surface.h"

namespace tk_test {
namespace {

const LOGFONTA& logfontOf(HFONT font) {
    return static_cast<const tkp::text::GdiFont*>(static_cast<const tkp::gdi::GdiObject*>(font))->logfont;
}

// Every name font as "height/width/weight/charset/pitch/face", the common one first; "-" for none.
std::string fonts() {
    auto one = [](HFONT f) {
        if (!f) return std::string("-");
        const LOGFONTA& lf = logfontOf(f);
        return Nums(lf.lfHeight, lf.lfWidth, lf.lfWeight, lf.lfCharSet, lf.lfPitchAndFamily) + "/" +
               lf.lfFaceName;
    };
    std::string s = one(g_hTextFont);
    for (int i = 0; i < REG_TEXT.count; ++i) s += " " + one(NameOf(i)->font);
    return s;
}

int measured(const char* text) {
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU(text, g_hTextFont, &w, &h);
    return w;
}

// Whether the card's box in the last frame holds a pixel of that 5-6-5 colour.
bool cardShows(const CKarta* c, std::uint16_t raw) {
    return FramePixels(tkp::pixels::XrgbOf565(raw),
                       RECT{c->x + 2, c->y + 2, c->x + c->sir - 2, c->y + c->vys - 2}) > 0;
}

// RGB(80, 0, 0) as a 5-6-5 pixel.
constexpr std::uint16_t kDarkRed = (80 >> 3) << 11;

using NameFonts = GameWorld;

TEST_F(NameFonts, WideNamesGetANarrowedFontAndTheKeysChangeAndRestoreEveryFont) {
    MakeDir(dir_.path() + "/DATA_mena");
    WriteFile(dir_.path() + "/DATA_mena/pes.bmp", Picture24(30, 20, [](int, int) { return 0x00FF00u; }));
    WriteFile(dir_.path() + "/DATA_mena/Veľké meno.bmp", Picture24(30, 20, [](int, int) { return 0xFFu; }));
    GameApp app;
    std::string start;
    int live = 0;
    const Steps steps = {
        [&](GameApp&) {
            // Pairs in listing order: pes, which fits, then the wide name.
            ASSERT_EQ(REG_TEXT.count, 2);
            const int narrow = measured(NameOf(0)->text), broad = measured(NameOf(1)->text);
            ASSERT_TRUE(narrow < CARD_W - 1 && broad >= CARD_W - 1) << narrow << " " << broad;
            start = fonts();
            // The narrowed width is the common one scaled by the card's width over the name's.
            EXPECT_EQ(Nums(NarrowedWidth(298), NarrowedWidth(149), NarrowedWidth(596), NarrowedWidth(200)),
                      "9,18,5,13");
            // The game asks for Verdana: the face that draws like it.
            const std::string face = static_cast<const char*>(REG_FONTY.items[NAJDI_FONT("Verdana")]);
            // The wide name's own font is that narrowed width, or a step or two narrower where the
            // glyphs, not narrowing exactly in step, would still reach out of the card.
            const int own = NameOf(1)->font ? logfontOf(NameOf(1)->font).lfWidth : 0;
            EXPECT_TRUE(own <= NarrowedWidth(broad) && own >= NarrowedWidth(broad) - 2) << own;
            EXPECT_EQ(start,
                      "22,18,700,238,34/" + face + " - 22," + std::to_string(own) + ",700,238,34/" + face);
        },
        [&](GameApp&) {
            // The short name black in the common font, the wide one dark red in its own.
            EXPECT_EQ(Nums(cardShows(CardAt(1), 0x0000), cardShows(CardAt(1), kDarkRed),
                           cardShows(CardAt(3), kDarkRed)),
                      "1,0,1");
            live = tkp::testing::LiveGdiObjectCount();
            for (int i = 0; i < 500; ++i) Press(VK_F1);
        },
        [&](GameApp&) {
            EXPECT_EQ(g_TextFontW, 518);
            EXPECT_NE(fonts(), start);
            tkp::headless::Key(VK_SHIFT, true);
            for (int i = 0; i < 500; ++i) Press(VK_F1);
        },
        [&](GameApp&) {
            // A thousand font changes later the fonts are back and every replaced one is gone.
            tkp::headless::Key(VK_SHIFT, false);
            EXPECT_EQ(fonts(), start);
            EXPECT_EQ(tkp::testing::LiveGdiObjectCount(), live);
            Press(VK_F2);
        },
        [&](GameApp&) {
            EXPECT_EQ(Nums(g_TextFontW, g_TextFontH), "18,23");
            tkp::headless::Key(VK_SHIFT, true);
            Press(VK_F2);
            tkp::headless::Key(VK_SHIFT, false);
            // Ctrl+F2 is the framework's: the set-up buttons hide, the names stay.
            tkp::headless::Key(VK_CONTROL, true);
            Press(VK_F2);
        },
        [&](GameApp& a) {
            tkp::headless::Key(VK_CONTROL, false);
            EXPECT_EQ(Nums(a.FindCHLWithID(603)->visible, a.FindCHLWithID(604)->visible), "0,0");
            EXPECT_EQ(fonts(), start);
            for (int i = 0; i < REG_FONTY.count + 2; ++i) Press(VK_F3);
        },
        [&](GameApp&) {
            EXPECT_EQ(g_iTextFont, REG_FONTY.count - 1);
            tkp::headless::Key(VK_CONTROL, true);
            for (int i = 0; i < REG_FONTY.count + 2; ++i) Press(VK_F3);
        },
        [&](GameApp&) {
            tkp::headless::Key(VK_CONTROL, false);
            EXPECT_EQ(g_iTextFont, 0);
            EXPECT_EQ(std::string(logfontOf(g_hTextFont).lfFaceName),
                      static_cast<const char*>(REG_FONTY.items[0]));
            Press(VK_ESCAPE);
        }};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

TEST_F(NameFonts, AnAmpersandInANameIsALetterWhenDrawnAndMeasured) {
    // A lone "&" taken for an accelerator prefix would draw nothing and measure nothing.
    MakeDir(dir_.path() + "/DATA_znak");
    WriteFile(dir_.path() + "/DATA_znak/&.bmp", Picture24(30, 20, [](int, int) { return 0x00FF00u; }));
    GameApp app;
    const Steps steps = {[&](GameApp&) { EXPECT_GT(measured("&"), 1); },
                         [&](GameApp&) {
                             EXPECT_TRUE(cardShows(CardAt(1), 0x0000));
                             Press(VK_ESCAPE);
                         }};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

// The pixels a pair's name adds to a name card of that width drawn alone: the face with the name
// against the same face without it. Per row, how many pixels; and how many in all.
struct NameInk {
    std::vector<int> rows;
    int pixels = 0;
};
NameInk inkOnCard(int pair, int width) {
    IDirectDrawSurface* s = tkp::ddraw::CreateOffscreenSurface(tk_lpDD, width + 16, CARD_H + 16);
    CKarta card('T', pair, 8, 8);
    card.sir = width;
    auto face = [&](int p) {
        DDSURFACE_ZMAZ(s, 0);
        card.pair = p;
        DrawCardFace(s, &card);
        return PixelsOf(s);
    };
    const std::vector<std::uint16_t> with = face(pair), without = face(-1);
    s->Release();
    NameInk ink;
    ink.rows.assign(CARD_H + 16, 0);
    for (std::size_t i = 0; i < with.size(); ++i) {
        if (with[i] == without[i]) continue;
        ++ink.rows[i / static_cast<std::size_t>(width + 16)];
        ++ink.pixels;
    }
    return ink;
}

// Runs of rows holding ink, parted by at least one bare row.
int inkLines(const NameInk& ink) {
    int lines = 0;
    for (std::size_t y = 0; y < ink.rows.size(); ++y)
        lines += ink.rows[y] > 0 && (y == 0 || ink.rows[y - 1] == 0);
    return lines;
}

TEST_F(NameFonts, EveryLetterOfALongNameIsDrawnInsideItsCardOnTwoLinesWhereOneWouldBeUnreadable) {
    MakeDir(dir_.path() + "/DATA_mena");
    // Each name with the lines it is drawn on: the long ones with a space take two, a short one
    // and one without a space one; 0 where either may be, as the font's width has it.
    const std::map<std::string, int> lines = {{"ľadový medveď", 0},
                                              {"malý medveď", 1},
                                              {"WWWWWWWWWWWWWWWWWWWW", 1},
                                              {"veľká biela polárna líška", 2},
                                              {"nosorožec tuponosý a bieložltý", 2},
                                              {"pes", 1}};
    for (const auto& [n, count] : lines)
        WriteFile(dir_.path() + "/DATA_mena/" + n + ".bmp",
                  Picture24(30, 20, [](int, int) { return 0xFFu; }));
    GameApp app;
    const Steps steps = {[&](GameApp&) {
        ASSERT_EQ(REG_TEXT.count, 6);
        for (int i = 0; i < REG_TEXT.count; ++i) {
            const std::string name = NameOf(i)->text;
            SCOPED_TRACE(name);
            // Drawn on a card 240 pixels wider, nothing of the name can be cut: the card shows as
            // much (the name lies 120 pixels further right, as much as whole steps of the card's net).
            const NameInk onCard = inkOnCard(i, CARD_W), whole = inkOnCard(i, CARD_W + 240);
            EXPECT_GT(onCard.pixels, 20);
            EXPECT_EQ(onCard.pixels, whole.pixels);
            const bool wraps = NameOf(i)->split > 0;
            if (lines.at(name) > 0) {
                EXPECT_EQ(wraps ? 2 : 1, lines.at(name));
            }
            EXPECT_EQ(inkLines(onCard), wraps ? 2 : 1);
            // Two lines keep the letters wider than one line could.
            const int oneLine = NarrowedWidth(measured(name.c_str()));
            for (HFONT line : {NameOf(i)->font, NameOf(i)->second_font}) {
                const int width = line ? logfontOf(line).lfWidth : g_TextFontW;
                if (wraps) {
                    EXPECT_GT(width, oneLine);
                }
            }
        }
        Press(VK_ESCAPE);
    }};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

}  // namespace
}  // namespace tk_test
