// The found list's image: the list is drawn into it once and copied while nothing it shows changes
// (the banner flying over it, a card dragged about the table), drawn into it again when its rows,
// their hover or the display change, and drawn directly while a card lies under it.
#include <string>
#include <vector>

#include "game/kartola_frame_list.h"
#include "game/kartola_list_image.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

using FoundListImage_ = GameWorld;

// The found list's box in the coming frame.
RECT foundBox(GameApp& a) {
    std::vector<FrameItem> items;
    ListFrame(a, items);
    for (const FrameItem& item : items)
        if (item.id == kItemFound) return item.box;
    return RECT{};
}

TEST_F(FoundListImage_, TheListIsDrawnAgainOnlyWhenWhatItShowsChanges) {
    CopySet("DATA_zvierata");
    GameApp app;
    std::int64_t fills = 0, direct = 0;
    std::string seen;
    // The list's drawings since the last look: into its image / directly.
    auto look = [&](const char* what) {
        seen += std::string(what) + " " + std::to_string(FoundListImage().Fills() - fills) + "/" +
                std::to_string(FoundListImage().DirectDraws() - direct) + "|";
        fills = FoundListImage().Fills();
        direct = FoundListImage().DirectDraws();
    };
    int bannerOver = 0;
    auto bannerTick = [&](GameApp& a) {
        int w = 0, h = 0;
        a.banner_sprite.GetSize(&w, &h);
        bannerOver += BoxesMeet(
            RECT{a.banner_sprite.x, a.banner_sprite.y, a.banner_sprite.x + w, a.banner_sprite.y + h},
            foundBox(a));
    };
    Steps steps = {kIdle,
                   [](GameApp&) {
                       // The cards in a grid right of the list.
                       for (int i = 0; i < REG_KARTY.count; ++i)
                           CardAt(i)->MoveToAbs(300 + (i % 6) * 160, 100 + (i / 6) * 115);
                   },
                   kIdle,
                   [&](GameApp& a) {
                       // The empty list drawn at the start is not counted.
                       look("");
                       seen.clear();
                       DragOnto(a, 0, 1);
                   },
                   kIdle,
                   kIdle,
                   [&](GameApp& a) {
                       EXPECT_EQ(a.FoundPairs(), 1);
                       look("pair");
                       a.banner_sprite.x = -300;
                   }};
    for (int i = 0; i < 150; ++i) steps.push_back(bannerTick);
    steps.push_back([&](GameApp& a) {
        look("banner");
        // A card taken and swept along the table beside the list.
        const CKarta* card = CardAt(2);
        const POINT p = TakePoint(a, 2);
        Move(p.x, p.y);
        tkp::headless::Button(VK_LBUTTON, true);
        Move(p.x + 2, p.y + 2);
        EXPECT_GT(card->x, 0);
    });
    for (int i = 0; i < 10; ++i) steps.push_back([i](GameApp&) { Move(260 + 40 * i, 300 + 20 * i); });
    steps.insert(steps.end(), {kIdle,
                               [&](GameApp&) {
                                   look("drag");
                                   Move(60, 90);
                               },
                               kIdle,
                               [](GameApp&) { Move(70, 100); },
                               kIdle,
                               [](GameApp&) {
                                   Move(600, 600);
                                   tkp::headless::Button(VK_LBUTTON, false);
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp& a) {
                                   look("under");
                                   const POINT row = Middle(a.duir_FINAL.EntryAt(0)->rect);
                                   Move(row.x, row.y);
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp& a) {
                                   EXPECT_NE(a.duir_FINAL.EntryAt(0)->stav, 0);
                                   look("hover");
                                   Move(700, 700);
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp&) {
                                   look("away");
                                   Press(VK_F1);
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp&) {
                                   look("F1");
                                   Press(VK_F2);
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp&) {
                                   look("F2");
                                   tkp::ddraw::MarkSurfacesLost();
                               },
                               kIdle,
                               kIdle,
                               [&](GameApp& a) {
                                   look("lost");
                                   ClickOn(a.FindCHLWithID(603));
                               }});
    ChooseSmallestMode(steps);
    steps.insert(steps.end(), {kIdle, kIdle, [&](GameApp&) {
                                   EXPECT_EQ(Nums(tk_ScreenW, tk_ScreenH), "800,600");
                                   look("800x600");
                                   Press(VK_ESCAPE);
                               }});
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    EXPECT_GT(bannerOver, 20);
    // A new row, a hover on and off and another display mode draw the list into its image once
    // each; the name fonts are not the list's. A card under the list, and the frame that finds its
    // image lost with the display, draw it directly.
    EXPECT_EQ(
        seen,
        "pair 1/0|banner 0/0|drag 0/0|under 0/2|hover 1/0|away 1/0|F1 0/0|F2 0/0|lost 1/1|800x600 1/0|");
}

}  // namespace
}  // namespace tk_test
