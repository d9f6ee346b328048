// The game screen at the sizes children's screens have: the congratulation lies whole and centred
// on the screen and stands aside for an open menu, also after a change of display mode; no card
// lies under the buttons along the top, neither dealt nor dropped there; a press on a framework
// button takes no card; "Zamiešaj" after a won game deals the set again; and the menus lie on the
// screen wherever they open, with every entry whole; a long name in the found list is narrowed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/lists/tk_TVOLBA.h"
#include "game/kartola_rules.h"
#include "tests/common/game/kartola_world.h"
#include "tests/common/tk_test_bmp.h"

namespace tk_test {
namespace {

// The bounding box of the congratulation's white letters in the last frame: the white pixels below
// the buttons along the top, off the found list and away from the pointer (nothing else on a won
// table is pure white).
RECT whiteBox(const GameApp& a) {
    RECT box{tk_ScreenW, tk_ScreenH, -1, -1};
    const tk_CDAS& hand = a.pointer_sprite;
    const RECT& list = a.duir_FINAL.obal;
    for (int y = 45; y < tk_ScreenH; ++y)
        for (int x = 0; x < tk_ScreenW; ++x)
            if (tkp::headless::FramePixel(x, y) == 0xFFFFFFu &&
                !(x >= hand.x - 40 && x < hand.x + 40 && y >= hand.y - 40 && y < hand.y + 40) &&
                !(x >= list.left && x <= list.right && y >= list.top && y <= list.bottom)) {
                box.left = std::min<LONG>(box.left, x), box.right = std::max<LONG>(box.right, x + 1);
                box.top = std::min<LONG>(box.top, y), box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box;
}

// "inside,centred" for the box on the current screen; centred within a tenth of the free room and
// 4 pixels.
std::string placed(const RECT& b) {
    const bool inside =
        b.left >= 0 && b.top >= 0 && b.right <= tk_ScreenW && b.bottom <= tk_ScreenH && b.right > b.left;
    const int slackX = std::max(4, (tk_ScreenW - static_cast<int>(b.right - b.left)) / 10);
    const int slackY = std::max(4, (tk_ScreenH - static_cast<int>(b.bottom - b.top)) / 10);
    const bool centred = std::abs(static_cast<int>(b.left + b.right) - tk_ScreenW) / 2 <= slackX &&
                         std::abs(static_cast<int>(b.top + b.bottom) - tk_ScreenH) / 2 <= slackY;
    return Nums(inside, centred);
}

// The bottom edge of the buttons along the top.
int stripBottom(GameApp& a) {
    int bottom = 0;
    for (tk_CPol* b : {static_cast<tk_CPol*>(a.m_btnMenu), a.FindCHLWithID(601), a.FindCHLWithID(602),
                       a.FindCHLWithID(603), a.FindCHLWithID(604)}) {
        int w = 0, h = 0;
        b->GetSize(&w, &h);
        bottom = std::max(bottom, b->y + h);
    }
    return bottom;
}

// Cards whose box meets the strip of the buttons along the top.
int cardsInStrip(GameApp& a) {
    const int bottom = stripBottom(a);
    int n = 0;
    for (int i = 0; i < REG_KARTY.count; ++i) n += CardAt(i)->y < bottom;
    return n;
}

class Screens : public GameWorld {
  protected:
    // A set of two dark pictures: a game won in two drags.
    void MakeTwoPairs() {
        MakeDir(dir_.path() + "/DATA_dva");
        for (const char* name : {"mačka", "pes"})
            WriteFile(dir_.path() + "/DATA_dva/" + name + ".bmp",
                      Picture24(40, 30, [](int, int) { return 0x203040u; }));
    }
    static void WinSteps(Steps& steps) {
        steps.push_back([](GameApp& a) { DragOnto(a, 0, 1); });
        steps.push_back([](GameApp& a) { DragOnto(a, 2, 3); });
        steps.push_back(kIdle);
    }
};

TEST_F(Screens, TheCongratulationLiesWholeAndCentredAtEverySizeAndMakesWayForAMenu) {
    MakeTwoPairs();
    for (const char* mode : {"800 600", "1024 768", "1366 768", "1920 1080"}) {
        SCOPED_TRACE(mode);
        tkp::headless::SetDisplayModes({{800, 600}, {1024, 768}, {1366, 768}, {1920, 1080}});
        GameApp app;
        Steps steps{kIdle};
        WinSteps(steps);
        steps.push_back([mode](GameApp& a) {
            ASSERT_TRUE(a.m_lblSuper->visible);
            const RECT b = whiteBox(a);
            EXPECT_EQ(placed(b), "1,1") << Nums(b.left, b.top, b.right, b.bottom);
            std::string name = std::string("kartola_won_") + mode;
            std::replace(name.begin(), name.end(), ' ', 'x');
            Shot(name);
            RightClick(tk_ScreenW - 100, tk_ScreenH - 60);
        });
        steps.push_back(kIdle);
        steps.push_back([](GameApp& a) {
            // The menu is open and readable: the big letters wait until it closes.
            EXPECT_EQ(Nums(a.dui_Main.visible, a.m_lblSuper->visible), "1,0");
            Press(VK_ESCAPE);
        });
        EXPECT_EQ(Run(app, (std::string(mode) + "\n2 16").c_str(), steps), 0);
    }
}

TEST_F(Screens, AfterAChangeOfDisplayModeTheCongratulationIsPlacedAgain) {
    MakeTwoPairs();
    GameApp app;
    Steps steps{kIdle};
    WinSteps(steps);
    steps.push_back([](GameApp& a) {
        const RECT b = whiteBox(a);
        EXPECT_EQ(placed(b), "1,1") << Nums(b.left, b.top, b.right, b.bottom);
        ClickOn(a.FindCHLWithID(603));
    });
    ChooseSmallestMode(steps);
    steps.push_back([](GameApp& a) { a.m_dlgRozlisenie->visible = false; });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        EXPECT_EQ(Nums(tk_ScreenW, tk_ScreenH, a.m_lblSuper->visible), "800,600,1");
        const RECT b = whiteBox(a);
        EXPECT_EQ(placed(b), "1,1") << Nums(b.left, b.top, b.right, b.bottom);
        Shot("kartola_won_after_mode_change");
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(Run(app, "1920 1080\n2 16", steps), 0);
}

TEST_F(Screens, NoCardLiesUnderTheTopButtonsAndTheirPressTakesNoCard) {
    CopySet("DATA_zvierata");
    tkp::headless::SetDisplayModes({{1024, 768}});
    GameApp app;
    static long long second = 0;
    const Steps steps = {
        [&](GameApp& a) {
            // Dealt at start, and a thousand deals after it, each second another.
            EXPECT_EQ(Nums(cardsInStrip(a), TableTop()), Nums(0, stripBottom(a)));
            std::printf("[ strip    ] the buttons along the top end at y = %d\n", stripBottom(a));
            // The first two hundred deals also keep all sixteen cards apart.
            int inStrip = 0, overlapping = 0;
            SetScatterClock([] { return second; });
            for (second = 1; second <= 1000; ++second) {
                a.Scatter();
                inStrip += cardsInStrip(a);
                for (int i = 0; i < REG_KARTY.count && second <= 200; ++i)
                    for (int j = 0; j < i; ++j) {
                        const CKarta &p = *CardAt(i), &q = *CardAt(j);
                        overlapping +=
                            p.x < q.x + q.sir && q.x < p.x + p.sir && p.y < q.y + q.vys && q.y < p.y + p.vys;
                    }
            }
            EXPECT_EQ(Nums(REG_KARTY.count, inStrip, overlapping), "16,0,0");
        },
        [](GameApp&) {
            // A card dragged up into the strip is dropped below it.
            const CKarta* card = CardAt(0);
            const int x = card->x + 20, y = card->y + 20;
            Move(x, y);
            tkp::headless::Button(VK_LBUTTON, true);
            Move(x, y - card->y - 15);
            Move(x + 5, 3);
            tkp::headless::Button(VK_LBUTTON, false);
        },
        [](GameApp& a) {
            EXPECT_EQ(cardsInStrip(a), 0);
            // A card right under the close button: the press there goes to the button alone.
            tk_CPol* close = a.FindCHLWithID(601);
            int w = 0, h = 0;
            close->GetSize(&w, &h);
            CardAt(REG_KARTY.count - 1)->x = close->x - 40;
            CardAt(REG_KARTY.count - 1)->y = close->y;
            Move(close->x + w / 2, close->y + h / 2);
        },
        [](GameApp&) {
            EXPECT_EQ(g_iHoverCard, -1);
            tkp::headless::Button(VK_LBUTTON, true);
        },
        [](GameApp&) {
            EXPECT_EQ(Nums(g_iHeldCard, g_iHoverCard), "-1,-1");
            tkp::headless::Button(VK_LBUTTON, false);
        }};
    // The close button ends the run; no card was taken on the way.
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
    EXPECT_EQ(LogLines("TSKW ERROR"), "");
}

// "lines,bottom,cut" of the found list: its lines, its bottom edge and its entries shown cut in two.
std::string foundList(GameApp& a) {
    int cut = 0;
    for (int i = 0; i < a.duir_FINAL.volby.count; ++i) cut += a.duir_FINAL.EntryAt(i)->rect2_mode != 0;
    return Nums(a.duir_FINAL.riadkov, a.duir_FINAL.obal.bottom <= tk_ScreenH, cut);
}

TEST_F(Screens, TheFoundListFitsTheScreenAndScrollsByWholeRows) {
    MakeDir(dir_.path() + "/DATA_sest");
    for (int i = 0; i < 6; ++i)
        WriteFile(dir_.path() + "/DATA_sest/p" + std::to_string(i) + ".bmp",
                  Picture24(40, 30, [](int, int) { return 0x203040u; }));
    GameApp app;
    Steps steps{kIdle};
    for (int p = 0; p < 6; ++p) steps.push_back([p](GameApp& a) { DragOnto(a, 2 * p, 2 * p + 1); });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        // Four lines fit 600 pixels; the list scrolled to its end shows whole rows only.
        EXPECT_EQ(foundList(a), "4,1,0");
        EXPECT_EQ(a.duir_FINAL.pozicia, 2 * a.duir_FINAL.b);
        ClickOn(&a.duir_FINAL.tlac_hore);
    });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        // One click on the arrow: one whole row back.
        EXPECT_EQ(Nums(a.duir_FINAL.pozicia / a.duir_FINAL.b, a.duir_FINAL.pozicia % a.duir_FINAL.b), "1,0");
        EXPECT_EQ(foundList(a), "4,1,0");
        Shot("kartola_found_list_800x600");
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(Run(app, "800 600\n2 16", steps), 0);
}

TEST_F(Screens, ZamiesajAfterAWonGameDealsTheSetAgain) {
    MakeTwoPairs();
    GameApp app;
    Steps steps{kIdle};
    WinSteps(steps);
    steps.push_back([](GameApp& a) {
        ASSERT_TRUE(a.m_lblSuper->visible);
        RightClick(700, 400);
    });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) { MoveTo(a.dui_Main, kMenuScatter); });
    steps.push_back([](GameApp& a) { ClickEntry(a.dui_Main, kMenuScatter); });
    steps.push_back(kIdle);
    steps.push_back([](GameApp& a) {
        int shown = 0;
        for (int i = 0; i < REG_KARTY.count; ++i) shown += CardAt(i)->visible;
        EXPECT_EQ(Nums(shown, a.duir_FINAL.CountR(), a.m_lblSuper->visible, a.dui_Main.visible), "4,0,0,0");
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

TEST_F(Screens, MenusOpenedAtTheBottomRightCornerLieOnTheScreenWithEveryEntryWhole) {
    // A set whose name, without its "DATA_", is 40 characters long.
    const std::string longName = "zvieratká z celého sveta a ich mláďatá 1";
    MakeDir(dir_.path() + "/DATA_" + longName);
    WriteFile(dir_.path() + "/DATA_" + longName + "/pes.bmp",
              Picture24(40, 30, [](int, int) { return 0x203040u; }));
    GameApp app;
    // Every entry is at least as wide as its text and a pixel on each side.
    auto whole = [](tk_CDUI& menu) {
        const int shown =
            menu.max_riadkov > 0 ? std::min(menu.max_riadkov, menu.volby.count) : menu.volby.count;
        for (int i = 0; i < shown; ++i) {
            const tk_TVOLBA* v = menu.EntryAt(i);
            if (v->text && v->rect.right - v->rect.left < v->text_w + 2) return std::string(v->text);
        }
        return std::string("whole");
    };
    auto inside = [](const RECT& r) {
        return r.left >= 0 && r.top >= 0 && r.right < tk_ScreenW && r.bottom < tk_ScreenH;
    };
    const Steps steps{kIdle,
                      [](GameApp&) { RightClick(tk_ScreenW - 3, tk_ScreenH - 3); },
                      kIdle,
                      [](GameApp& a) { MoveTo(a.dui_Main, kMenuSets); },
                      kIdle,
                      [&](GameApp& a) {
                          ASSERT_TRUE(a.utl_duir_DATA.visible);
                          EXPECT_EQ(Nums(inside(a.dui_Main.obal), inside(a.utl_duir_DATA.obal)), "1,1");
                          EXPECT_EQ(whole(a.dui_Main) + " " + whole(a.utl_duir_DATA), "whole whole");
                          // The set's row shows its name without "DATA_".
                          EXPECT_EQ(std::string(a.utl_duir_DATA.VratVolbu__indexovo(0)->text), longName);
                          Shot("kartola_menus_in_the_corner_800x600");
                          Press(VK_ESCAPE);
                      }};
    EXPECT_EQ(Run(app, "800 600\n2 16", steps), 0);
}

TEST_F(Screens, ALongNameInTheFoundListIsNarrowedToItsRowNotCut) {
    MakeDir(dir_.path() + "/DATA_liska");
    WriteFile(dir_.path() + "/DATA_liska/veľká biela polárna líška.bmp",
              Picture24(40, 30, [](int, int) { return 0x203040u; }));
    GameApp app;
    const Steps steps{kIdle, [](GameApp& a) { DragOnto(a, 0, 1); }, kIdle,
                      [](GameApp& a) {
                          ASSERT_EQ(a.duir_FINAL.CountR(), 1);
                          // The name's black letters lie inside the row, clear of its edges, where
                          // a cut name runs into both.
                          const RECT& row = a.duir_FINAL.EntryAt(0)->rect;
                          int first = -1, last = -1;
                          for (int x = row.left; x <= row.right; ++x)
                              for (int y = row.top; y <= row.bottom; ++y)
                                  if (tkp::headless::FramePixel(x, y) == 0) {
                                      if (first < 0) first = x;
                                      last = x;
                                  }
                          EXPECT_TRUE(first > row.left + 1 && last < row.right - 2)
                              << Nums(first, last, row.left, row.right);
                          Press(VK_ESCAPE);
                      }};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

}  // namespace
}  // namespace tk_test
