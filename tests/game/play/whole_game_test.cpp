// A whole game on the headless backend, driven only by pointer and key messages through the window
// procedure: the shapes set at start, every card dragged onto its partner until the congratulation,
// the found list, the menus, the other set, card sounds off, the menu's looks, the right-button
// menu, the banner, a smaller display mode and the end. Screenshots go to build/screenshots/.
#include <cstdlib>

#include "tests/common/game/kartola_world.h"
#include "tests/common/tk_test_fields.h"

namespace tk_test {
namespace {

// A place for a box of w x h right of the found list that no visible card touches.
POINT emptySpot(int w, int h) {
    for (int y = 40; y + h < tk_ScreenH; y += 10) {
        for (int x = 200; x + w < tk_ScreenW; x += 10) {
            bool free = true;
            for (int i = 0; free && i < REG_KARTY.count; ++i) {
                const CKarta* c = CardAt(i);
                free = !c->visible || x + w < c->x - 4 || x > c->x + c->sir + 4 || y + h < c->y - 4 ||
                       y > c->y + c->vys + 4;
            }
            if (free) return POINT{x, y};
        }
    }
    return POINT{-1, -1};
}

// The cards whose box leaves [left, right) x [0, bottom), and the cards shown, as two fields.
Fields cards(int left, int right, int bottom) {
    int outside = 0, shown = 0;
    for (int i = 0; i < REG_KARTY.count; ++i) {
        const CKarta* c = CardAt(i);
        outside += c->x < left || c->x + c->sir > right || c->y < 0 || c->y + c->vys > bottom;
        shown += c->visible;
    }
    return Fields()("outside", outside)("shown", shown);
}

std::string menuMiddle(GameApp& a) {
    return Nums(Middle(a.dui_Main.obal).x, Middle(a.dui_Main.obal).y);
}

using WholeGame = GameWorld;

TEST_F(WholeGame, EveryPairFoundWinsAndTheMenusListsKeysBannerAndDisplayChangeWork) {
    CopySet("DATA_ovocie");
    CopySet("DATA_tvary");
    GameApp app;
    int bannerX = 0;
    std::vector<POINT> before;
    Steps steps = {
        kIdle, [&](GameApp& a) {
            // The last set of the folder list is loaded and scattered right of the found
            // list on the screen, in Verdana; nothing else shows.
            EXPECT_EQ(Fields()("set0", a.utl_duir_DATA.VratVolbu__indexovo(0)->text)(
                          "set1", a.utl_duir_DATA.VratVolbu__indexovo(1)->text)(
                          "verdana", g_iTextFont == NAJDI_FONT("Verdana"))("cards", cards(190, 1280, 1024))(
                          "sets", a.utl_duir_DATA.CountR())("names", REG_TEXT.count)(
                          "menu", a.dui_Main.visible)("setsMenu", a.utl_duir_DATA.visible)(
                          "soundsMenu", a.dui_Zvuk.visible)("super", a.m_lblSuper->visible)(
                          "found", a.duir_FINAL.visible)("foundRows", a.duir_FINAL.CountR()),
                      Fields()("set0", "ovocie")("set1", "tvary")("verdana", 1)(
                          "cards", Fields()("outside", 0)("shown", 18))("sets", 2)("names", 9)("menu", 0)(
                          "setsMenu", 0)("soundsMenu", 0)("super", 0)("found", 1)("foundRows", 0));
            Shot("kartola_start");
            bannerX = a.banner_sprite.x;
            a.TakeSounds();
        }};
    steps.push_back([&](GameApp& a) {
        // The banner flies 2 pixels a tick; a click on it where no card lies removes it.
        EXPECT_EQ(Nums(a.banner_sprite.x - bannerX, a.banner_sprite.y), "2,30");
        tk_CDAS& b = a.banner_sprite;
        POINT free{-1, -1};
        for (int x = b.x + 560; x > b.x + 10 && free.x < 0; x -= 10)
            for (int y = b.y + 10; y < b.y + 75 && free.x < 0; y += 10)
                if (CardUnderPointer(x, y) < 0 && CardUnderPointer(x + 2, y) < 0) free = POINT{x + 2, y};
        ASSERT_GE(free.x, 0);
        Move(free.x, free.y);
    });
    steps.push_back([](GameApp&) {
        tkp::headless::Button(VK_LBUTTON, true);
        tkp::headless::Button(VK_LBUTTON, false);
    });
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(Fields()("banner", a.banner_sprite.visible)("pointer", tkp::headless::PointerVisible())(
                      "hover", g_iHoverCard)("held", g_iHeldCard),
                  Fields()("banner", 0)("pointer", 0)("hover", -1)("held", -1));
        // It flies on hidden and comes back from the left once it left the screen on the right.
        a.banner_sprite.x = a.m_ScrW + 199;
    });
    steps.push_back([](GameApp& a) { EXPECT_EQ(a.banner_sprite.x, -600); });
    // Every pair: the picture card dragged onto its name card.
    for (int p = 0; p < 9; ++p) {
        if (p == 1) steps.push_back(kIdle);
        steps.push_back([p](GameApp& a) {
            if (p > 0) {
                EXPECT_EQ(a.TakeSounds() + " " + Nums(a.duir_FINAL.CountR()),
                          FoundSounds(p - 1, true) + " " + Nums(p));
            }
            if (p != 1) return DragOnto(a, 2 * p, 2 * p + 1);
            // The first pair's row plays its sound like every other row.
            ClickEntry(a.duir_FINAL, 1);
            a.script.push_front([](GameApp& b) {
                EXPECT_EQ(b.TakeSounds(), NameOf(0)->text);
                DragOnto(b, 2, 3);
            });
        });
        if (p == 5) {
            steps.push_back(kIdle);
            steps.push_back([](GameApp&) { Shot("kartola_midgame"); });
        }
    }
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        // The found list names the pairs in the order they were found.
        EXPECT_EQ(Fields()("sounds", a.TakeSounds())("super", a.m_lblSuper->text)(
                      "superShown", a.m_lblSuper->visible)("foundRows", a.duir_FINAL.CountR())(
                      "cards", cards(190, 1280, 1024))("firstRow", a.duir_FINAL.VratVolbu__indexovo(0)->text),
                  Fields()("sounds", FoundSounds(8, true) + " zvuktada.wav")("super", "Super! Gratulujeme!")(
                      "superShown", 1)("foundRows", 9)("cards", Fields()("outside", 0)("shown", 0))(
                      "firstRow", NameOf(0)->text));
        Shot("kartola_won");
        ClickOn(a.m_btnMenu);
    });
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(a.TakeSounds() + " " + Nums(a.dui_Main.visible, a.dui_Main.x, a.dui_Main.y),
                  "zvuknaraz.wav " + Nums(1, a.m_ScrCX - 64, 28));
    });
    // Geometry changed by input is laid out by the frame after it: read a step later.
    steps.push_back([](GameApp& a) { MoveTo(a.dui_Main, kMenuScatter); });
    steps.push_back(kIdle);
    steps.push_back([&](GameApp& a) {
        Shot("kartola_menu");
        for (int i = 0; i < REG_KARTY.count; ++i) before.push_back(POINT{CardAt(i)->x, CardAt(i)->y});
        SetScatterClock([] { return 7654321LL; });
        ClickEntry(a.dui_Main, kMenuScatter);
    });
    steps.push_back([&](GameApp& a) {
        // "Zamiešaj" after a won game deals the set again: the cards move and the congratulation goes.
        int moved = 0;
        for (int i = 0; i < REG_KARTY.count; ++i)
            moved += CardAt(i)->x != before[i].x || CardAt(i)->y != before[i].y;
        EXPECT_EQ(Fields()("sounds", a.TakeSounds())("moved", moved > 0)("super", a.m_lblSuper->visible)(
                      "menu", a.dui_Main.visible),
                  Fields()("sounds", "zvukcvak.wav")("moved", 1)("super", 0)("menu", 0));
        RightClick(700, 500);
    });
    steps.push_back([](GameApp& a) { EXPECT_EQ(a.TakeSounds(), "zvuknaraz.wav"); });
    steps.push_back([](GameApp& a) {
        // The right-button menu comes centred on the pointer.
        const POINT c = Middle(a.dui_Main.obal);
        EXPECT_TRUE(std::abs(c.x - 700) <= 1 && std::abs(c.y - 500) <= 1) << c.x << "," << c.y;
        MoveTo(a.dui_Main, kMenuSets);
    });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        ASSERT_TRUE(a.utl_duir_DATA.visible);
        Shot("kartola_menu_sets");
        MoveTo(a.utl_duir_DATA, 100);
    });
    steps.push_back([](GameApp& a) { ClickEntry(a.utl_duir_DATA, 100); });
    steps.push_back([](GameApp& a) {
        // The other set: a new game with an empty found list and no congratulation.
        EXPECT_EQ(Fields()("sounds", a.TakeSounds())("cards", cards(190, 1280, 1024))(
                      "foundRows", a.duir_FINAL.CountR())("super", a.m_lblSuper->visible)(
                      "menu", a.dui_Main.visible)("setsMenu", a.utl_duir_DATA.visible),
                  Fields()("sounds", "zvukcvak.wav")("cards", Fields()("outside", 0)("shown", 20))(
                      "foundRows", 0)("super", 0)("menu", 0)("setsMenu", 0));
        // The menu where it covers no card, so that choosing in it takes none.
        const POINT spot = emptySpot(300, 130);
        ASSERT_GE(spot.x, 0);
        RightClick(spot.x + 65, spot.y + 60);
    });
    steps.push_back([](GameApp&) { Shot("game_table_scattered"); });
    steps.push_back([](GameApp& a) { MoveTo(a.dui_Main, kMenuSounds); });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        ASSERT_TRUE(a.dui_Zvuk.visible);
        Shot("kartola_menu_sounds");
        MoveTo(a.dui_Zvuk, kSoundsOff);
        a.TakeSounds();
    });
    steps.push_back([](GameApp& a) { ClickEntry(a.dui_Zvuk, kSoundsOff); });
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(Fields()("sounds", a.TakeSounds())("cardSounds", g_bCardSounds)("menu", a.dui_Main.visible),
                  Fields()("sounds", "zvukcvak.wav")("cardSounds", 0)("menu", 0));
        // Card sounds off: taking a card is silent, finding the pair still snaps.
        DragOnto(a, 0, 1);
    });
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(a.TakeSounds() + " " + Nums(a.duir_FINAL.CountR()), FoundSounds(0, false) + " 1");
    });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) { ClickEntry(a.duir_FINAL, 1); });
    steps.push_back([](GameApp& a) {
        // The found list plays whatever the card sounds say.
        EXPECT_EQ(a.TakeSounds(), NameOf(0)->text);
        Press(VK_SPACE);
    });
    // Space: the menu shows in its next look, 2 -> 0 -> 1 -> 2, always as a pop-up under the button.
    for (int look : {0, 1, 2}) {
        steps.push_back(kIdle);
        steps.push_back([look](GameApp& a) {
            EXPECT_EQ(Nums(a.dui_Main.visible, a.dui_Main.trieda, a.dui_Main.je_popup), Nums(1, look, 1));
            Shot("kartola_menu_look" + std::to_string(look));
            if (look < 2) Press(VK_SPACE);
        });
    }
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(Nums(a.dui_Main.a, a.dui_Main.b, a.dui_Main.c, a.dui_Main.d), "20,23,120,3");
        // While the right button is down the menu follows the pointer, and stays when it is up.
        Move(600, 500);
        tkp::headless::Button(VK_RBUTTON, true);
    });
    steps.push_back([](GameApp&) { Move(640, 540); });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(menuMiddle(a), "640,540");
        tkp::headless::Button(VK_RBUTTON, false);
        Move(700, 600);
    });
    steps.push_back(kIdle);
    steps.push_back([&](GameApp& a) {
        EXPECT_EQ(menuMiddle(a), "640,540");
        ClickOn(a.FindCHLWithID(603));
    });
    ChooseSmallestMode(steps);
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        // A smaller display: every card, found or not, lies inside it; the menu button moved.
        EXPECT_EQ(
            Fields()("screen", Nums(tk_ScreenW, tk_ScreenH))("menuButtonX", a.m_btnMenu->x)(
                "cards", cards(0, 800, 600)),
            Fields()("screen", "800,600")("menuButtonX", 330)("cards", Fields()("outside", 0)("shown", 18)));
        Shot("kartola_800x600");
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    EXPECT_EQ(ReadFile(kKartolaSettings), "800 600\n2 16");
    EXPECT_EQ(LogLines("TSKW ERROR"), "");
}

}  // namespace
}  // namespace tk_test
