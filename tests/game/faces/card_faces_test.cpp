// Card faces kept in surfaces of their own: each face is drawn once, and again only when what it
// shows changes (the name fonts' keys, a lost display, another display mode); and a game played
// with the kept faces and only what changed redrawn shows, tick by tick, the same frames as one
// that draws everything on a table cleared whole.
#include <cstdint>
#include <filesystem>

#include "game/kartola_card_faces.h"
#include "game/kartola_list_image.h"
#include "game/kartola_table_clear.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

// Lays the cards out in a grid of columns where no face touches another; four columns of the
// sixteen cards fit an 800 x 600 screen.
void layOutGrid(int columns) {
    for (int i = 0; i < REG_KARTY.count; ++i)
        CardAt(i)->MoveToAbs(30 + (i % columns) * 160, 70 + (i / columns) * 115);
}

std::uint64_t fnv1a(const std::vector<std::uint16_t>& pixels) {
    std::uint64_t h = 1469598103934665603ULL;
    for (std::uint16_t p : pixels) h = (h ^ p) * 1099511628211ULL;
    return h;
}

using CardFaces_ = GameWorld;

TEST_F(CardFaces_, AFaceIsDrawnAgainOnlyWhenWhatItShowsChanges) {
    CopySet("DATA_zvierata");
    GameApp app;
    std::int64_t mark = 0;
    std::string seen;
    // Faces drawn since the last look, counted over the frames in between.
    auto look = [&](const char* what) {
        seen += std::string(what) + " " + std::to_string(CardFaces().Fills() - mark) + "|";
        mark = CardFaces().Fills();
    };
    auto grid = [](GameApp&) { layOutGrid(7); };
    const Steps steps = {
        kIdle,
        grid,
        kIdle,
        [&](GameApp&) {
            // Every card once, wherever it was dealt.
            EXPECT_EQ(REG_KARTY.count, 16);
            mark = 0;
            look("start");
            Move(CardAt(0)->x + 20, CardAt(0)->y + 20);
        },
        [&](GameApp&) {
            EXPECT_EQ(g_iHoverCard, 0);
            tkp::headless::Button(VK_LBUTTON, true);
            Move(CardAt(0)->x + 60, CardAt(0)->y + 200);
        },
        [&](GameApp&) { Move(CardAt(0)->x + 20 + 300, CardAt(0)->y + 20 + 330); },
        [&](GameApp&) {
            tkp::headless::Button(VK_LBUTTON, false);
            Move(5, 500);
        },
        kIdle,
        kIdle,
        [&](GameApp&) {
            // Hovered, held with its frames, dragged and dropped away from its partner.
            EXPECT_EQ(Nums(g_iHeldCard, CardAt(0)->visible), "-1,1");
            look("drag");
            Press(VK_F1);
        },
        kIdle,
        [&](GameApp&) {
            look("F1");
            Press(VK_F2);
        },
        kIdle,
        [&](GameApp&) {
            look("F2");
            Press(VK_F3);
        },
        kIdle,
        [&](GameApp&) {
            look("F3");
            tkp::headless::Key(VK_CONTROL, true);
            Press(VK_F3);
            tkp::headless::Key(VK_CONTROL, false);
        },
        kIdle,
        [&](GameApp&) {
            look("Ctrl+F3");
            tkp::ddraw::MarkSurfacesLost();
        },
        kIdle,
        kIdle,
        [&](GameApp& a) {
            look("lost");
            ClickOn(a.FindCHLWithID(603));
        },
        kIdle,
        [](GameApp& a) {
            Click(Middle(a.m_dlgRozlisenie->m_duir_Rozlisenia->EntryAt(0)->rect).x,
                  Middle(a.m_dlgRozlisenie->m_duir_Rozlisenia->EntryAt(0)->rect).y);
        },
        [&](GameApp& a) {
            mark = CardFaces().Fills();
            ClickOn(a.FindCHLWithID(1222));
        },
        kIdle,
        [&](GameApp&) {
            EXPECT_EQ(Nums(tk_ScreenW, tk_ScreenH), "800,600");
            layOutGrid(4);
        },
        kIdle,
        kIdle,
        [&](GameApp&) {
            look("800x600");
            Press(VK_ESCAPE);
        },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    // The name cards after each font key; every card after a lost display and at another mode.
    EXPECT_EQ(seen, "start 16|drag 0|F1 8|F2 8|F3 8|Ctrl+F3 8|lost 16|800x600 16|");
}

// How the frames of a game are made: everything on; everything but the found list's image; the
// table cleared where the last frame drew and every item drawn; or every face and the found list
// drawn anew on a table cleared whole.
enum class Savings { All, NoListImage, NoChangesOnly, None };

void useSavings(Savings savings) {
    CardFaces().SetOn(savings != Savings::None);
    FoundListImage().SetOn(savings != Savings::None && savings != Savings::NoListImage);
    TheTableClear().SetOn(savings != Savings::None);
    TheTableClear().SetOnlyChangesOn(savings == Savings::All);
}

// The frames of a scripted game, one hash a tick.
std::vector<std::uint64_t> playedFrames(Savings savings) {
    useSavings(savings);
    std::vector<std::uint64_t> frames;
    GameApp app;
    auto frame = [&frames](GameApp&) { frames.push_back(fnv1a(tkp::headless::LastFrame().pixels)); };
    Steps steps = {kIdle, frame};
    // A card dragged onto another, pairs found one by one, the pointer over the found list, the
    // info dialog shown and hidden, the menu and its list of sets opened and closed, the menu walked by keys,
    // the fonts changed, a lost display, a card held under the found list; the banner flies all
    // the while, over the found list at first, and is caught once.
    for (int p = 0; p < 8; ++p) {
        steps.push_back([p, &frames](GameApp& a) {
            frames.push_back(fnv1a(tkp::headless::LastFrame().pixels));
            if (p == 1) ClickOn(a.FindCHLWithID(602));
            if (p == 2) {
                ClickOn(a.FindCHLWithID(602));
                Press(VK_F1);
            }
            if (p == 3) tkp::ddraw::MarkSurfacesLost();
            DragOnto(a, 2 * p, p == 0 ? 5 : 2 * p + 1);
        });
        steps.insert(steps.end(), {frame, kIdle, frame});
        if (p == 2) {
            steps.insert(steps.end(),
                         {[](GameApp& a) {
                              const POINT row = Middle(a.duir_FINAL.EntryAt(0)->rect);
                              Move(row.x, row.y);
                          },
                          frame, [](GameApp& a) { RightClick(a.m_ScrCX, a.m_ScrCY); }, frame, kIdle,
                          [](GameApp& a) { MoveTo(a.dui_Main, kMenuSets); }, frame, kIdle, frame,
                          [](GameApp&) { Press(VK_ESCAPE); }, frame, kIdle, frame,
                          // Walked by keys, the menu's entries change under a still pointer.
                          [](GameApp&) { Press(VK_F10); }, frame, [](GameApp&) { Press(VK_DOWN); }, frame,
                          [](GameApp&) { Press(VK_DOWN); }, frame, [](GameApp&) { Press(VK_ESCAPE); }, frame,
                          kIdle, frame});
        }
        if (p == 4) {
            steps.insert(steps.end(),
                         {[](GameApp& a) { Click(a.banner_sprite.x + 20, a.banner_sprite.y + 10); }, frame,
                          kIdle, frame});
        }
        if (p == 5) {
            // A card held under the found list, moved there and taken back to its place.
            steps.insert(steps.end(), {[](GameApp& a) {
                                           const POINT g = TakePoint(a, 14);
                                           Move(g.x, g.y);
                                           tkp::headless::Button(VK_LBUTTON, true);
                                           Move(60, 200);
                                       },
                                       frame, [](GameApp&) { Move(70, 230); }, frame,
                                       [](GameApp&) {
                                           Move(500, 500);
                                           tkp::headless::Button(VK_LBUTTON, false);
                                       },
                                       frame, kIdle, frame});
        }
    }
    // A smaller display mode, then the last pair.
    steps.push_back([](GameApp& a) { ClickOn(a.FindCHLWithID(603)); });
    ChooseSmallestMode(steps);
    steps.insert(steps.end(), {kIdle, frame, kIdle, frame});
    steps.push_back([&](GameApp&) { DragOnto(app, 0, 1); });
    steps.insert(steps.end(), {frame, kIdle, frame, [&](GameApp& a) {
                                   EXPECT_TRUE(a.m_lblSuper->visible);
                                   EXPECT_EQ(tk_ScreenW, 800);
                                   Press(VK_ESCAPE);
                               }});
    app.script.assign(steps.begin(), steps.end());
    WriteFile(app.m_LocApp_INI, "1920 1080\n2 16");
    EXPECT_EQ(app.Execute(), 0);
    useSavings(Savings::All);
    return frames;
}

TEST_F(CardFaces_, AGameShowsTheSameFramesWithEverySavingAsWithout) {
    CopySet("DATA_zvierata");
    std::vector<std::vector<std::uint64_t>> runs;
    for (Savings savings : {Savings::All, Savings::NoListImage, Savings::NoChangesOnly, Savings::None}) {
        if (!runs.empty()) {
            TearDown();
            SetUp();
            std::filesystem::remove("KARTOLA.MEM");
        }
        runs.push_back(playedFrames(savings));
    }
    for (std::size_t run = 1; run < runs.size(); ++run) {
        ASSERT_EQ(runs[0].size(), runs[run].size());
        for (std::size_t i = 0; i < runs[0].size(); ++i)
            EXPECT_EQ(runs[0][i], runs[run][i]) << "run " << run << ", frame " << i;
    }
    EXPECT_GT(CardFaces().Fills(), 0);
}

}  // namespace
}  // namespace tk_test
