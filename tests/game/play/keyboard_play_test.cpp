// Playing without a mouse: a whole game by Tab, arrows and Enter, and one by scanning with a
// single key, each with the sounds and found list of a mouse game; Escape with a held card; the
// menu by keys; Space that never traps the menu; the close of the window manager and a
// termination signal that write the settings; the name font kept between runs; the faces F3 walks.
#include <csignal>
#include <set>

#include "framework/app/tk_APP_Editor.h"
#include "framework/editor/tk_KM.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBA.h"
#include "game/kartola_focus.h"
#include "game/kartola_memory.h"
#include "tests/common/game/kartola_world.h"
#include "tests/common/tk_test_bmp.h"
#include "tests/common/tk_test_fields.h"

namespace tk_test {
namespace {

// Presses Tab (step 1) or Shift+Tab (step -1) until the focus is on card target, then Enter.
void focusAndEnter(int step, int target) {
    int focus = g_iFocusCard;
    if (step < 0) tkp::headless::Key(VK_LSHIFT, true);
    for (int n = 0; focus != target && n <= REG_KARTY.count; ++n) {
        Press(VK_TAB);
        focus = CardInReadingOrder(focus, step);
    }
    if (step < 0) tkp::headless::Key(VK_LSHIFT, false);
    EXPECT_EQ(focus, target);
    Press(VK_RETURN);
}

std::string foundList(GameApp& a) {
    std::string names;
    for (int i = 0; i < a.duir_FINAL.CountR(); ++i)
        names += std::string(a.duir_FINAL.VratVolbu__indexovo(i)->text) + "|";
    return names;
}

std::string pairsInOrder(int pairs) {
    std::string names;
    for (int p = 0; p < pairs; ++p) names += std::string(NameOf(p)->text) + "|";
    return names;
}

// The last steps of a won game: the pointer and the banner to the same places as in every other
// game, the frame drawn with them kept, then Escape.
void endOnWonFrame(std::deque<GameApp::Step>& script, std::vector<std::uint16_t>* frame, const char* shot) {
    script.push_back([](GameApp&) { Move(tk_ScreenW - 60, tk_ScreenH - 60); });
    script.push_back([](GameApp& a) {
        // Shown (a press that took a card may have met the banner and sent it away), at its start.
        a.banner_sprite.visible = true;
        a.banner_sprite.CHOD_NA(20, 30);
        a.banner_sprite.SF(0);
    });
    script.push_back([frame, shot](GameApp& a) {
        EXPECT_TRUE(a.m_lblSuper->visible);
        *frame = tkp::headless::LastFrame().pixels;
        Shot(shot);
        Press(VK_ESCAPE);
    });
}

class KeyboardPlay : public GameWorld {
  protected:
    // The frame the same deal ends on when a player drags every pair together with the mouse.
    std::vector<std::uint16_t> MouseGameWonFrame(const char* settings, int pairs) {
        // The skin of the game before is torn down with it, as between two tests.
        tk_DSGN_DONE();
        tkp::headless::ResetWindowing();
        tkp::headless::ResetDisplay();
        g_TextFontW = 18, g_TextFontH = 22;
        std::vector<std::uint16_t> frame;
        GameApp app;
        Steps steps = {kIdle};
        for (int p = 0; p < pairs; ++p) steps.push_back([p](GameApp& a) { DragOnto(a, 2 * p, 2 * p + 1); });
        steps.push_back(kIdle);
        std::deque<GameApp::Step> end;
        endOnWonFrame(end, &frame, "kartola_mouse_won");
        steps.insert(steps.end(), end.begin(), end.end());
        EXPECT_EQ(Run(app, settings, steps), 0);
        return frame;
    }
    // Both frames were kept and are the same pixel for pixel.
    static void ExpectSameFrame(const std::vector<std::uint16_t>& played,
                                const std::vector<std::uint16_t>& mouse) {
        ASSERT_FALSE(played.empty());
        ASSERT_EQ(played.size(), mouse.size());
        int differ = 0;
        for (std::size_t i = 0; i < played.size(); ++i) differ += played[i] != mouse[i];
        EXPECT_EQ(differ, 0) << "pixels that differ from the mouse game's won frame";
    }
};

TEST_F(KeyboardPlay, AWholeGameByTabAndEnterSoundsAndListsAsAMouseGame) {
    CopySet("DATA_tvary");
    GameApp app;
    Steps steps = {kIdle, [](GameApp& a) {
                       a.TakeSounds();
                       // The first key puts the focus on the first card in reading order.
                       Press(VK_TAB);
                   }};
    std::string heard;
    for (int p = 0; p < 9; ++p) {
        steps.push_back([p](GameApp&) { focusAndEnter(1, 2 * p); });
        steps.push_back([p](GameApp& a) {
            // Taken: the held frame and the card's own sound, nothing moved.
            EXPECT_EQ(Nums(g_iHeldCard, CardAt(2 * p)->visible), Nums(2 * p, 1));
            focusAndEnter(p % 2 ? 1 : -1, 2 * p + 1);
            (void)a;
        });
        steps.push_back([p, &heard](GameApp& a) {
            heard += a.TakeSounds() + " ";
            EXPECT_EQ(
                Nums(g_iHeldCard, CardAt(2 * p)->visible, CardAt(2 * p + 1)->visible, a.duir_FINAL.CountR()),
                Nums(-1, 0, 0, p + 1));
        });
    }
    steps.push_back(kIdle);
    steps.push_back([&](GameApp& a) {
        std::string expected;
        for (int p = 0; p < 9; ++p) expected += FoundSounds(p) + (p == 8 ? " zvuktada.wav " : " ");
        EXPECT_EQ(heard, expected);
        EXPECT_EQ(foundList(a), pairsInOrder(9));
        EXPECT_EQ(Nums(a.m_lblSuper->visible, g_iFocusCard), "1,-1");
        Shot("kartola_keys_won");
    });
    std::vector<std::uint16_t> won;
    std::deque<GameApp::Step> end;
    endOnWonFrame(end, &won, "kartola_keys_won_frame");
    steps.insert(steps.end(), end.begin(), end.end());
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    ExpectSameFrame(won, MouseGameWonFrame("1280 1024\n2 16", 9));
}

TEST_F(KeyboardPlay, ScanningWithOneKeyOrAClickWinsAndTheFocusStepsOnItsOwn) {
    CopySet("DATA_tvary");
    GameApp app;
    app.scan_ms = kScanStepMs;
    std::string heard;
    int pair = 0;
    bool second = false;
    int moves = 0;
    int last = -1;
    std::vector<std::uint16_t> won;
    // One tick every 400 ms: the script waits, tick after tick, until the focus is on the card it
    // wants, then presses the switch (Space, or a click for odd pairs).
    GameApp::Step wait = [&](GameApp& a) {
        if (g_iFocusCard != last) {
            ++moves;
            last = g_iFocusCard;
        }
        const int target = 2 * pair + (second ? 1 : 0);
        if (g_iFocusCard == target) {
            if (pair % 2) {
                Click(5, 700);
            } else {
                Press(VK_SPACE);
            }
            if (second) {
                a.script.push_front([&](GameApp& b) { heard += b.TakeSounds() + " "; });
                ++pair;
            }
            second = !second;
        }
        if (pair < 9) {
            a.script.push_back(wait);
        } else {
            endOnWonFrame(a.script, &won, "kartola_scan_won_frame");
        }
    };
    Steps steps = {[](GameApp& a) { a.TakeSounds(); }, wait};
    EXPECT_EQ(Run(app, "1024 768\n10 400", steps), 0);
    std::string expected;
    for (int p = 0; p < 9; ++p) expected += FoundSounds(p) + (p == 8 ? " zvuktada.wav " : " ");
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(Nums(app.m_lblSuper->visible, app.duir_FINAL.CountR()), "1,9");
    // The focus moved on its own, one card per 1.5 s at most (plus the 9 moves of found pairs).
    EXPECT_GT(moves, 18);
    EXPECT_LE(moves, static_cast<int>(tkp::headless::NowMs() / kScanStepMs) + 10);
    ExpectSameFrame(won, MouseGameWonFrame("1024 768\n10 400", 9));
}

TEST_F(KeyboardPlay, EscapePutsAHeldCardBackAndClosesAMenuBeforeItQuits) {
    CopySet("DATA_tvary");
    GameApp app;
    POINT from{};
    const Steps steps = {
        kIdle,
        [](GameApp&) {
            Press(VK_TAB);
            Press(VK_RETURN);
        },
        [](GameApp&) {
            ASSERT_EQ(g_iHeldCard, 0);
            Press(VK_ESCAPE);
        },
        [&](GameApp&) {
            // Held by the keys: put back, and the game goes on.
            EXPECT_EQ(g_iHeldCard, -1);
            // Dragged by the pointer: back where it was taken.
            from = POINT{CardAt(4)->x, CardAt(4)->y};
            tkp::headless::PointerMove(from.x + 20, from.y + 20);
            tkp::headless::Button(VK_LBUTTON, true);
            tkp::headless::PointerMove(from.x + 300, from.y + 200);
        },
        [](GameApp&) { Press(VK_ESCAPE); },
        [&](GameApp&) {
            tkp::headless::Button(VK_LBUTTON, false);
            EXPECT_EQ(Nums(g_iHeldCard, CardAt(4)->x - from.x, CardAt(4)->y - from.y), "-1,0,0");
            Press(VK_F10);
        },
        [](GameApp& a) {
            EXPECT_TRUE(a.dui_Main.visible);
            Press(VK_ESCAPE);
        },
        [](GameApp& a) {
            EXPECT_FALSE(a.dui_Main.visible);
            Press(VK_ESCAPE);
        },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    EXPECT_EQ(app.script.size(), 0u);
}

TEST_F(KeyboardPlay, TheMenuOpensWalksAndChoosesByKeysAndTheSoundSwitchShowsItsState) {
    CopySet("DATA_tvary");
    GameApp app;
    const auto texts = [](tk_CDUI& list) {
        std::string s;
        for (int i = 0; i < list.volby.count; ++i) s += std::string(list.EntryAt(i)->text) + "|";
        return s;
    };
    const Steps steps = {
        kIdle,
        [&](GameApp& a) {
            EXPECT_EQ(texts(a.dui_Zvuk), "Vypnúť|✓ Zapnúť|");
            a.TakeSounds();
            Press(VK_APPS);
        },
        [](GameApp& a) {
            EXPECT_EQ(a.TakeSounds() + " " + Nums(a.dui_Main.visible, a.dui_Main.hover), "zvuknaraz.wav 1,0");
            Press(VK_DOWN);
            Press(VK_DOWN);
            Press(VK_RETURN);
        },
        [](GameApp& a) {
            // "Ozvučenie kariet..." opens its list, walked from its first entry.
            EXPECT_EQ(Nums(a.dui_Zvuk.visible, a.dui_Zvuk.hover), "1,0");
            Shot("kartola_keys_menu");
            Press(VK_RETURN);
        },
        [&](GameApp& a) {
            EXPECT_EQ(Fields()("sounds", a.TakeSounds())("cardSounds", g_bCardSounds)(
                          "menu", a.dui_Main.visible)("soundsMenu", a.dui_Zvuk.visible),
                      Fields()("sounds", "zvukcvak.wav")("cardSounds", 0)("menu", 0)("soundsMenu", 0));
            EXPECT_EQ(texts(a.dui_Zvuk), "✓ Vypnúť|Zapnúť|");
            // F10, Up from the first entry wraps to "Koniec"; Enter quits.
            Press(VK_F10);
            Press(VK_UP);
            Press(VK_RETURN);
        },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    EXPECT_EQ(app.TakeSounds(), "zvuknaraz.wav zvukkoniec.wav");
}

// "Skenovanie kariet..." switches scanning off and on, marks the state in force, and the game's
// memory keeps what the menu chose for the next start (a --scan of one run is not kept).
TEST_F(KeyboardPlay, ScanningIsSwitchedInTheMenuMarkedAndKeptForTheNextStart) {
    CopySet("DATA_tvary");
    const auto texts = [](tk_CDUI& list) {
        std::string s;
        for (int i = 0; i < list.volby.count; ++i) s += std::string(list.EntryAt(i)->text) + "|";
        return s;
    };
    // "Skenovanie kariet..." is the fourth entry; Enter goes into its list, at "Vypnúť".
    const auto intoScanList = [] {
        Press(VK_F10);
        for (int i = 0; i < 3; ++i) Press(VK_DOWN);
        Press(VK_RETURN);
    };
    {
        GameApp app;
        app.scan_ms = 2500;
        EXPECT_EQ(Run(app, "1024 768\n10 400", {kIdle, [](GameApp&) { Press(VK_ESCAPE); }}), 0);
    }
    GameMemory memory;
    memory.Load();
    EXPECT_EQ(memory.Get("scan"), "");

    tkp::headless::ResetWindowing();
    tkp::headless::ResetDisplay();
    GameApp app;
    int focus = -2;
    Steps steps = {kIdle,
                   [&](GameApp& a) {
                       EXPECT_EQ(texts(a.dui_Sken), "✓ Vypnúť|Zapnúť|");
                       intoScanList();
                   },
                   [](GameApp& a) {
                       EXPECT_EQ(Nums(a.dui_Sken.visible, a.dui_Sken.hover), "1,0");
                       Press(VK_DOWN);
                       Press(VK_RETURN);
                   },
                   [&](GameApp& a) {
                       EXPECT_EQ(Nums(a.scan_ms, a.dui_Main.visible, a.dui_Sken.visible),
                                 Nums(kScanStepMs, 0, 0));
                       EXPECT_EQ(texts(a.dui_Sken), "Vypnúť|✓ Zapnúť|");
                       focus = g_iFocusCard;
                   }};
    // Four ticks of 400 ms: the focus stepped on its own. While scanning Enter is the switch: it
    // goes into the list and chooses "Vypnúť" there.
    steps.insert(steps.end(), 4, kIdle);
    steps.push_back([&](GameApp&) {
        EXPECT_NE(g_iFocusCard, focus);
        intoScanList();
        Press(VK_RETURN);
    });
    steps.push_back([&](GameApp& a) {
        EXPECT_EQ(Nums(a.scan_ms, a.dui_Main.visible, a.dui_Sken.visible), "0,0,0");
        EXPECT_EQ(texts(a.dui_Sken), "✓ Vypnúť|Zapnúť|");
        focus = g_iFocusCard;
    });
    steps.insert(steps.end(), 5, kIdle);
    steps.push_back([&](GameApp&) {
        EXPECT_EQ(g_iFocusCard, focus);
        intoScanList();
    });
    steps.push_back([](GameApp&) {
        Press(VK_DOWN);
        Press(VK_RETURN);
    });
    steps.push_back([](GameApp&) { Press(VK_ESCAPE); });
    EXPECT_EQ(Run(app, nullptr, steps), 0);
    memory.Load();
    EXPECT_EQ(memory.Get("scan"), Nums(kScanStepMs));

    tkp::headless::ResetWindowing();
    tkp::headless::ResetDisplay();
    GameApp again;
    EXPECT_EQ(Run(again, nullptr,
                  {kIdle,
                   [&](GameApp& a) {
                       EXPECT_EQ(Nums(a.scan_ms), Nums(kScanStepMs));
                       EXPECT_EQ(texts(a.dui_Sken), "Vypnúť|✓ Zapnúť|");
                       Press(VK_ESCAPE);
                   }}),
              0);
}

// A sets list longer than its lines: the arrows walk every row, scrolling the list by whole rows
// to the one walked to, and Enter deals the set of a row that was scrolled away at first.
TEST_F(KeyboardPlay, TheArrowsReachTheRowsOfTheSetsListScrolledAway) {
    for (int i = 1; i <= 12; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%02d", i);
        const std::string folder = dir_.path() + "/DATA_sada" + name;
        MakeDir(folder);
        WriteFile(folder + "/obraz" + name + ".bmp",
                  Bmp24(30, 20, [](int x, int y) { return std::uint16_t(x + y); }));
    }
    GameApp app;
    const auto walked = [](GameApp& a) {
        tk_CDUIR& list = a.utl_duir_DATA;
        return Nums(list.visible, list.posuvanie, list.pozicia / std::max(list.b, 1)) + " " +
               (list.hover >= 0 ? list.EntryAt(list.hover)->text : "-");
    };
    const Steps steps = {
        kIdle,
        [](GameApp&) {
            Press(VK_F10);
            Press(VK_RETURN);
        },
        [&](GameApp& a) {
            EXPECT_EQ(walked(a), "1,1,0 sada01");
            // Up from the first row: the last one, scrolled into view at the foot of the list.
            Press(VK_UP);
        },
        [&](GameApp& a) {
            EXPECT_EQ(walked(a), "1,1," + Nums(12 - a.utl_duir_DATA.riadkov) + " sada12");
            Press(VK_DOWN);
        },
        [&](GameApp& a) {
            EXPECT_EQ(walked(a), "1,1,0 sada01");
            for (int i = 0; i < 9; ++i) Press(VK_DOWN);
        },
        [&](GameApp& a) {
            EXPECT_EQ(walked(a), "1,1," + Nums(10 - a.utl_duir_DATA.riadkov) + " sada10");
            Press(VK_RETURN);
        },
        [](GameApp& a) {
            EXPECT_EQ(Nums(a.dui_Main.visible, a.utl_duir_DATA.visible), "0,0");
            EXPECT_STREQ(NameOf(0)->text, "obraz10");
            Press(VK_ESCAPE);
        },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
}

TEST_F(KeyboardPlay, AfterAnyNumberOfSpacesTheMenuButtonAndTheRightButtonLeaveAClosableMenu) {
    CopySet("DATA_tvary");
    GameApp app;
    Steps steps = {kIdle};
    for (int spaces = 1; spaces <= 6; ++spaces) {
        steps.push_back([spaces](GameApp&) {
            for (int i = 0; i < spaces; ++i) Press(VK_SPACE);
        });
        steps.push_back([spaces](GameApp& a) {
            // No look puts an entry under the menu button.
            int bw = 0, bh = 0;
            a.m_btnMenu->GetSize(&bw, &bh);
            EXPECT_GE(a.dui_Main.obal.top, a.m_btnMenu->y + bh) << spaces;
            ClickOn(a.m_btnMenu);
        });
        steps.push_back([](GameApp& a) {
            EXPECT_TRUE(a.dui_Main.visible);
            RightClick(700, 600);
        });
        steps.push_back(kIdle);
        steps.push_back([](GameApp& a) {
            EXPECT_TRUE(a.dui_Main.visible);
            // A press away from it closes it.
            const int x = a.dui_Main.obal.right + 20 < tk_ScreenW ? a.dui_Main.obal.right + 20 : 5;
            Click(x, tk_ScreenH - 5);
        });
        steps.push_back([spaces](GameApp& a) { EXPECT_FALSE(a.dui_Main.visible) << spaces; });
    }
    steps.push_back([](GameApp&) { Press(VK_ESCAPE); });
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
}

TEST_F(KeyboardPlay, ShiftF1AndF2ChangeOnlyTheNamesAndCtrlF1SwitchesTheEditor) {
    CopySet("DATA_tvary");
    tk_KM_Install();
    GameApp app;
    const Steps steps = {
        kIdle,
        [](GameApp&) {
            tkp::headless::Key(VK_LSHIFT, true);
            Press(VK_F1);
            Press(VK_F2);
            tkp::headless::Key(VK_LSHIFT, false);
        },
        [](GameApp& a) {
            EXPECT_EQ(
                Fields()("fontW", g_TextFontW)("fontH", g_TextFontH)("editor", tk_APP_EditorOn() != nullptr)(
                    "button603", a.FindCHLWithID(603)->visible)("button604", a.FindCHLWithID(604)->visible),
                Fields()("fontW", 17)("fontH", 21)("editor", 0)("button603", 1)("button604", 1));
            tkp::headless::Key(VK_LCONTROL, true);
            Press(VK_F1);
            tkp::headless::Key(VK_LCONTROL, false);
        },
        [](GameApp&) {
            EXPECT_EQ(Nums(g_TextFontW, g_TextFontH, tk_APP_EditorOn() != nullptr), "17,21,1");
            Press(VK_ESCAPE);
        },
        [](GameApp&) { Press(VK_ESCAPE); },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
}

// How the window is closed: the window manager's close button or a termination signal.
using CloseBy = std::function<void()>;

class ClosingWrites : public GameWorld, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingWrites, TheSettingsAndTheNameFontAndAreReadAtTheNextStart) {
    CopySet("DATA_tvary");
    const CloseBy close[] = {[] { tkp::headless::RequestClose(); }, [] { std::raise(SIGTERM); },
                             [] { std::raise(SIGINT); }};
    std::string face;
    {
        GameApp app;
        const Steps steps = {kIdle,
                             [&](GameApp&) {
                                 Press(VK_F3);
                                 Press(VK_F1);
                             },
                             [&](GameApp&) {
                                 face = static_cast<const char*>(REG_FONTY.items[g_iTextFont]);
                                 close[GetParam()]();
                             }};
        EXPECT_EQ(Run(app, "1024 768\n3 36", steps), 0);
        EXPECT_EQ(app.script.size(), 0u);
    }
    EXPECT_EQ(ReadFile(kKartolaSettings), "1024 768\n3 36");
    GameMemory memory;
    memory.Load();
    EXPECT_EQ(memory.Get("font") + " " + memory.Get("font_width") + " " + memory.Get("font_height"),
              face + " 19 22");
    // The next start takes them back.
    g_TextFontW = 18, g_TextFontH = 22;
    tkp::headless::ResetWindowing();
    tkp::headless::ResetDisplay();
    GameApp again;
    std::string seen;
    const Steps steps = {kIdle, [&](GameApp&) {
                             seen = std::string(static_cast<const char*>(REG_FONTY.items[g_iTextFont])) +
                                    " " + Nums(g_TextFontW, g_TextFontH);
                             Press(VK_ESCAPE);
                         }};
    EXPECT_EQ(Run(again, nullptr, steps), 0);
    EXPECT_EQ(seen, face + " 19,22");
}

INSTANTIATE_TEST_SUITE_P(WindowManagerSigtermSigint, ClosingWrites, ::testing::Values(0, 1, 2));

TEST_F(KeyboardPlay, F3WalksOnlyFacesThatDrawKartolaDifferently) {
    CopySet("DATA_tvary");
    GameApp app;
    std::set<std::vector<std::uint16_t>> drawings;
    int faces = 0;
    const auto look = [&] {
        // "Kartola" in the name font on a white box of the back buffer, read back.
        IDirectDrawSurface* back = tk_lpDDSBack;
        DDSURFACE_ZMAZ(back, 0xFFFF);
        HDC dc = nullptr;
        ASSERT_EQ(back->GetDC(&dc), DD_OK);
        RECT r{0, 0, 300, 60};
        tk_glob_Text_draw_font(dc, &r, DT_SINGLELINE | DT_VCENTER, RGB(0, 0, 0), g_hTextFont, "Kartola");
        back->ReleaseDC(dc);
        std::vector<std::uint16_t> pixels;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 300; ++x) pixels.push_back(static_cast<std::uint16_t>(PixelOf(back, x, y)));
        drawings.insert(pixels);
        ++faces;
    };
    GameApp::Step walk = [&](GameApp& a) {
        look();
        if (g_iTextFont + 1 < REG_FONTY.count) {
            Press(VK_F3);
            a.script.push_front(walk);
        } else {
            Press(VK_ESCAPE);
        }
    };
    const Steps steps = {kIdle,
                         [](GameApp&) {
                             tkp::headless::Key(VK_LCONTROL, true);
                             for (int i = 0; i < REG_FONTY.count; ++i) Press(VK_F3);
                             tkp::headless::Key(VK_LCONTROL, false);
                         },
                         walk};
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
    EXPECT_GE(faces, 1);
    EXPECT_EQ(static_cast<int>(drawings.size()), faces);
    for (int i = 0; i < REG_FONTY.count; ++i)
        EXPECT_EQ(std::string(static_cast<const char*>(REG_FONTY.items[i])).find("Math"), std::string::npos);
}

}  // namespace
}  // namespace tk_test
