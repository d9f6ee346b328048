// The found list's image: the list is drawn once and its box copied back while neither the list
// nor what lies under it changes (the banner flying over it, a card moved beside it, a card lying
// under it), and drawn again when its rows, their hover, what lies under it or the display change.
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

TEST_F(FoundListImage_, TheListIsDrawnAgainOnlyWhenWhatItsBoxShowsChanges) {
    CopySet("DATA_zvierata");
    GameApp app;
    std::int64_t mark = 0;
    std::string seen;
    // The list's drawings since the last look.
    auto look = [&](const char* what) {
        seen += std::string(what) + " " + std::to_string(FoundListImage().Draws() - mark) + "|";
        mark = FoundListImage().Draws();
    };
    // Ticks at which the banner lay over the list's box.
    int bannerOver = 0;
    auto bannerTick = [&](GameApp& a) {
        int w = 0, h = 0;
        a.banner_sprite.GetSize(&w, &h);
        const RECT banner{a.banner_sprite.x, a.banner_sprite.y, a.banner_sprite.x + w, a.banner_sprite.y + h};
        bannerOver += BoxesMeet(banner, foundBox(a));
    };
    auto bannerCrossing = [&](Steps& steps) {
        steps.push_back([](GameApp& a) { a.banner_sprite.x = -300; });
        for (int i = 0; i < 150; ++i) steps.push_back(bannerTick);
    };
    // Card 2 taken and moved to each point in turn, one a tick, then let go.
    auto carry = [](Steps& steps, std::vector<POINT> points) {
        steps.push_back([](GameApp& a) {
            const POINT p = TakePoint(a, 2);
            Move(p.x, p.y);
            tkp::headless::Button(VK_LBUTTON, true);
        });
        for (const POINT& p : points) steps.push_back([p](GameApp&) { Move(p.x, p.y); });
        steps.insert(steps.end(), {[](GameApp&) {
                                       tkp::headless::Button(VK_LBUTTON, false);
                                       Move(700, 700);
                                   },
                                   kIdle, kIdle});
    };
    Steps steps = {kIdle,
                   [](GameApp&) {
                       // The cards in a grid right of the list.
                       for (int i = 0; i < REG_KARTY.count; ++i)
                           CardAt(i)->MoveToAbs(300 + (i % 6) * 160, 100 + (i / 6) * 115);
                   },
                   kIdle,
                   [&](GameApp& a) {
                       mark = FoundListImage().Draws();
                       DragOnto(a, 0, 1);
                   },
                   kIdle,
                   kIdle,
                   [&](GameApp& a) {
                       EXPECT_EQ(a.FoundPairs(), 1);
                       look("pair");
                   }};
    bannerCrossing(steps);
    steps.push_back([&](GameApp&) { look("banner"); });
    std::vector<POINT> beside;
    for (int i = 0; i < 10; ++i) beside.push_back(POINT{260 + 40 * i, 300 + 20 * i});
    carry(steps, beside);
    steps.insert(steps.end(), {[&](GameApp& a) {
                                   look("beside");
                                   const POINT row = Middle(a.duir_FINAL.EntryAt(0)->rect);
                                   Move(row.x, row.y);
                               },
                               kIdle, kIdle,
                               [&](GameApp& a) {
                                   EXPECT_NE(a.duir_FINAL.EntryAt(0)->stav, 0);
                                   look("hover");
                                   Move(700, 700);
                               },
                               kIdle, kIdle,
                               [&](GameApp&) {
                                   look("away");
                                   Press(VK_F1);
                               },
                               kIdle, kIdle,
                               [&](GameApp&) {
                                   look("F1");
                                   Press(VK_F2);
                               },
                               kIdle, kIdle, [&](GameApp&) { look("F2"); }});
    carry(steps, {POINT{60, 90}, POINT{70, 100}});
    steps.push_back([&](GameApp& a) {
        EXPECT_TRUE(
            BoxesMeet(RECT{CardAt(2)->x, CardAt(2)->y, CardAt(2)->x + 10, CardAt(2)->y + 10}, foundBox(a)));
        look("under");
    });
    bannerCrossing(steps);
    steps.insert(steps.end(), {[&](GameApp&) {
                                   look("banner over both");
                                   tkp::ddraw::MarkSurfacesLost();
                               },
                               kIdle, kIdle,
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
    EXPECT_GT(bannerOver, 40);
    // A new row, a hover on and off, each move of a card under the list and another display mode
    // draw the list again; the name fonts are not the list's. A lost display draws it in the frame
    // that meets the loss and again once the display is back.
    EXPECT_EQ(seen,
              "pair 1|banner 0|beside 0|hover 1|away 1|F1 0|F2 0|under 3|banner over both 0|lost 2|"
              "800x600 1|");
}

}  // namespace
}  // namespace tk_test
