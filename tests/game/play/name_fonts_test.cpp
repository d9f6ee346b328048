// The name fonts in the running game: a name that fits keeps the common font and is drawn black,
// a wider one gets a narrowed font of the same height drawn dark red; F1, F2 and F3 change the font
// and their modified twins undo it; F3 stops at the last face and Ctrl+F3 at the first; every
// replaced font is deleted.
#include "framework/graphics/tk_Draw.h"
#include "platform/pixels/pixel565.h"
#include "platform/testing/test_hooks.h"
#include "platform/text/font.h"
#include "tests/game/play/kartola_world.h"
#include "tests/graphics/bmpfiles/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

const LOGFONTA& Logfont(HFONT font) {
    return static_cast<const tkp::text::GdiFont*>(static_cast<const tkp::gdi::GdiObject*>(font))->logfont;
}

// Every name font as "height/width/weight/charset/pitch/face", the common one first; "-" for none.
std::string Fonts() {
    auto one = [](HFONT f) {
        if (!f) return std::string("-");
        const LOGFONTA& lf = Logfont(f);
        return Nums(lf.lfHeight, lf.lfWidth, lf.lfWeight, lf.lfCharSet, lf.lfPitchAndFamily) + "/" +
               lf.lfFaceName;
    };
    std::string s = one(g_hTextFont);
    for (int i = 0; i < REG_TEXT.count; ++i) s += " " + one(NameOf(i)->font);
    return s;
}

int Measured(const char* text) {
    int w = 0, h = 0;
    tk_glob_ZISTI_ROZMER_TEXTU(text, g_hTextFont, &w, &h);
    return w;
}

// Whether the card's box in the last frame holds a pixel of that 5-6-5 colour.
bool CardShows(const CKarta* c, std::uint16_t raw) {
    return FramePixels(tkp::pixels::XrgbOf565(raw),
                       RECT{c->x + 2, c->y + 2, c->x + c->sir - 2, c->y + c->vys - 2}) > 0;
}

// RGB(80, 0, 0) as a 5-6-5 pixel.
constexpr std::uint16_t kDarkRed = (80 >> 3) << 11;

using NameFonts = GameWorld;

TEST_F(NameFonts, WideNamesGetANarrowedFontAndTheKeysChangeAndRestoreEveryFont) {
    MakeDir(dir_.path() + "/DATA_mena");
    WriteFile(dir_.path() + "/DATA_mena/pes.bmp", Picture24(30, 20, [](int, int) { return 0x00FF00u; }));
    WriteFile(dir_.path() + "/DATA_mena/Veľmi dlhé meno obrázka.bmp",
              Picture24(30, 20, [](int, int) { return 0xFFu; }));
    GameApp app;
    std::string start;
    int live = 0;
    const Steps steps = {
        [&](GameApp&) {
            // Pairs in listing order: pes, which fits, then the wide name.
            ASSERT_EQ(REG_TEXT.count, 2);
            const int narrow = Measured(NameOf(0)->text), broad = Measured(NameOf(1)->text);
            ASSERT_TRUE(narrow < CARD_W - 1 && broad >= CARD_W - 1) << narrow << " " << broad;
            start = Fonts();
            // The narrowed width is the common one scaled by the card's width over the name's.
            EXPECT_EQ(Nums(NarrowedWidth(298), NarrowedWidth(149), NarrowedWidth(596), NarrowedWidth(200)),
                      "9,18,5,13");
            // The game asks for Verdana: the face that draws like it.
            const std::string face = static_cast<const char*>(REG_FONTY.items[NAJDI_FONT("Verdana")]);
            EXPECT_EQ(start, "22,18,700,238,34/" + face + " - 22," + std::to_string(NarrowedWidth(broad)) +
                                 ",700,238,34/" + face);
        },
        [&](GameApp&) {
            // The short name black in the common font, the wide one dark red in its own.
            EXPECT_EQ(Nums(CardShows(CardAt(1), 0x0000), CardShows(CardAt(1), kDarkRed),
                           CardShows(CardAt(3), kDarkRed)),
                      "1,0,1");
            live = tkp::testing::LiveGdiObjectCount();
            for (int i = 0; i < 500; ++i) Press(VK_F1);
        },
        [&](GameApp&) {
            EXPECT_EQ(g_TextFontW, 518);
            EXPECT_NE(Fonts(), start);
            tkp::headless::Key(VK_SHIFT, true);
            for (int i = 0; i < 500; ++i) Press(VK_F1);
        },
        [&](GameApp&) {
            // A thousand font changes later the fonts are back and every replaced one is gone.
            tkp::headless::Key(VK_SHIFT, false);
            EXPECT_EQ(Fonts(), start);
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
            EXPECT_EQ(Fonts(), start);
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
            EXPECT_EQ(std::string(Logfont(g_hTextFont).lfFaceName),
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
    const Steps steps = {[&](GameApp&) { EXPECT_GT(Measured("&"), 1); },
                         [&](GameApp&) {
                             EXPECT_TRUE(CardShows(CardAt(1), 0x0000));
                             Press(VK_ESCAPE);
                         }};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

}  // namespace
}  // namespace tk_test
