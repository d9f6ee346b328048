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
#include "tests/game/play/kartola_world.h"

namespace tk_test {
namespace {

// Presses Tab (step 1) or Shift+Tab (step -1) until the focus is on card target, then Enter.
void FocusAndEnter(int step, int target) {
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

// The sounds of a pair found with card sounds on: the taken card's own, then the snap.
std::string FoundSounds(int pair) {
    return (SoundOf(pair) ? std::string(NameOf(pair)->text) + " " : "") + "zvuknaraz.wav";
}

std::string FoundList(GameApp& a) {
    std::string names;
    for (int i = 0; i < a.duir_FINAL.CountR(); ++i)
        names += std::string(a.duir_FINAL.VratVolbu__indexovo(i)->text) + "|";
    return names;
}

std::string PairsInOrder(int pairs) {
    std::string names;
    for (int p = 0; p < pairs; ++p) names += std::string(NameOf(p)->text) + "|";
    return names;
}

using KeyboardPlay = GameWorld;

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
        steps.push_back([p](GameApp&) { FocusAndEnter(1, 2 * p); });
        steps.push_back([p](GameApp& a) {
            // Taken: the held frame and the card's own sound, nothing moved.
            EXPECT_EQ(Nums(g_iHeldCard, CardAt(2 * p)->visible), Nums(2 * p, 1));
            FocusAndEnter(p % 2 ? 1 : -1, 2 * p + 1);
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
        EXPECT_EQ(FoundList(a), PairsInOrder(9));
        EXPECT_EQ(Nums(a.m_lblSuper->visible, g_iFocusCard), "1,-1");
        Shot("kartola_keys_won");
        Press(VK_ESCAPE);
    });
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
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
        if (pair < 9) a.script.push_back(wait);
    };
    Steps steps = {[](GameApp& a) { a.TakeSounds(); }, wait};
    steps.push_back(kIdle);
    EXPECT_EQ(Run(app, "1024 768\n10 400", steps), 0);
    std::string expected;
    for (int p = 0; p < 9; ++p) expected += FoundSounds(p) + (p == 8 ? " zvuktada.wav " : " ");
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(Nums(app.m_lblSuper->visible, app.duir_FINAL.CountR()), "1,9");
    // The focus moved on its own, one card per 1.5 s at most (plus the 9 moves of found pairs).
    EXPECT_GT(moves, 18);
    EXPECT_LE(moves, static_cast<int>(tkp::headless::NowMs() / kScanStepMs) + 10);
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
            EXPECT_EQ(a.TakeSounds() + " " + Nums(g_bCardSounds, a.dui_Main.visible, a.dui_Zvuk.visible),
                      "zvukcvak.wav 0,0,0");
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
            EXPECT_EQ(Nums(g_TextFontW, g_TextFontH, tk_APP_EditorOn() != nullptr,
                           a.FindCHLWithID(603)->visible, a.FindCHLWithID(604)->visible),
                      "17,21,0,1,1");
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
