// Redrawing only what changed: the area between two lists of a frame's items, grown over whatever
// lies under or over it, and a game at rest that draws nothing while a hover redraws one card.
#include <algorithm>

#include "game/kartola_frame_damage.h"
#include "game/kartola_frame_list.h"
#include "game/kartola_table_clear.h"
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

FrameItem frameItem(std::uint32_t id, LONG l, LONG t, LONG r, LONG b, std::uint64_t key = 0) {
    return FrameItem{id, RECT{l, t, r, b}, key};
}

std::string idList(const std::vector<std::uint32_t>& ids) {
    std::string s;
    for (std::uint32_t id : ids) s += (s.empty() ? "" : ",") + std::to_string(id);
    return s;
}

bool covered(const std::vector<RECT>& area, const RECT& box) {
    return std::any_of(area.begin(), area.end(), [&](const RECT& r) {
        return box.left >= r.left && box.top >= r.top && box.right <= r.right && box.bottom <= r.bottom;
    });
}

TEST(FrameChanges, TheAreaHoldsWhatChangedAndEverythingDrawnOverOrUnderIt) {
    // Items 1, 2 and 3 overlap in a chain; 4 lies apart; 5 touches 4 only at an edge.
    const std::vector<FrameItem> base = {frameItem(1, 0, 0, 10, 10), frameItem(2, 8, 8, 20, 20),
                                         frameItem(3, 18, 18, 30, 30), frameItem(4, 100, 100, 110, 110),
                                         frameItem(5, 110, 100, 120, 110)};
    struct Case {
        const char* what;
        std::vector<FrameItem> now;
        const char* redrawn;
        std::vector<RECT> mustClear;
    };
    std::vector<FrameItem> moved = base, keyed = base, gone = base, added = base;
    moved[3] = frameItem(4, 200, 200, 210, 210);
    keyed[0].key = 7;
    gone.erase(gone.begin() + 1);
    added.push_back(frameItem(6, 9, 9, 11, 11));
    const Case cases[] = {
        {"nothing changed", base, "", {}},
        // The old place of 4 is bare table now; 5 only touches it, so it stays.
        {"an item moved", moved, "4", {RECT{100, 100, 110, 110}, RECT{200, 200, 210, 210}}},
        // 1 changes its pixels: 2 lies over it and 3 over 2.
        {"the bottom of a chain changed",
         keyed,
         "1,2,3",
         {RECT{0, 0, 10, 10}, RECT{8, 8, 20, 20}, RECT{18, 18, 30, 30}}},
        // The middle went: what it covered of 1 and 3 is drawn again.
        {"an item went", gone, "1,3", {RECT{8, 8, 20, 20}}},
        {"an item came over two", added, "1,2,3,6", {RECT{9, 9, 11, 11}}},
    };
    for (const Case& c : cases) {
        const FrameChanges changes = ChangesBetween(base, c.now);
        EXPECT_EQ(idList(changes.redrawn), c.redrawn) << c.what;
        // Whatever is drawn again lies wholly inside the area, so it cannot spoil kept pixels.
        for (const FrameItem& item : c.now) {
            if (std::binary_search(changes.redrawn.begin(), changes.redrawn.end(), item.id)) {
                EXPECT_TRUE(covered(changes.area, item.box)) << c.what << ": item " << item.id;
            }
        }
        for (const RECT& r : c.mustClear) {
            for (LONG y = r.top; y < r.bottom; ++y)
                for (LONG x = r.left; x < r.right; ++x)
                    ASSERT_TRUE(covered(changes.area, RECT{x, y, x + 1, y + 1}))
                        << c.what << " " << x << "," << y;
        }
    }
}

using ChangedFrames_ = GameWorld;

TEST_F(ChangedFrames_, ATableAtRestDrawsNothingAndAHoverRedrawsItsCard) {
    CopySet("DATA_zvierata");
    GameApp app;
    std::string seen;
    // The ids of the items the last frame drew again, or "all" for a frame drawn whole.
    auto look = [&](const char* what) {
        const FrameChanges* planned = TheTableClear().Planned();
        seen += std::string(what) + ":" + (planned ? idList(planned->redrawn) : "all") + "|";
    };
    auto hide = [](GameApp& a) {
        a.banner_sprite.visible = false;
        // A card alone on the table, far from every other.
        for (int i = 0; i < REG_KARTY.count; ++i)
            CardAt(i)->MoveToAbs(300 + (i % 8) * 180, 200 + (i / 8) * 200);
        Move(5, 900);
    };
    const Steps steps = {
        kIdle,
        hide,
        kIdle,
        kIdle,
        [&](GameApp&) {
            look("rest");
            Move(CardAt(3)->x + 20, CardAt(3)->y + 20);
        },
        kIdle,
        [&](GameApp&) {
            look("hover");
            tkp::headless::Button(VK_RBUTTON, true);
            tkp::headless::Button(VK_RBUTTON, false);
        },
        kIdle,
        [&](GameApp& a) {
            // The menu opening redraws what lies under its box, not the table.
            const FrameChanges* planned = TheTableClear().Planned();
            ASSERT_TRUE(planned && a.dui_Main.visible);
            EXPECT_TRUE(std::binary_search(planned->redrawn.begin(), planned->redrawn.end(), kItemMenu));
            EXPECT_LT(planned->redrawn.size(), 6u);
            Press(VK_ESCAPE);
        },
        kIdle,
        [&](GameApp& a) {
            const FrameChanges* planned = TheTableClear().Planned();
            ASSERT_TRUE(planned && !a.dui_Main.visible);
            EXPECT_LT(planned->redrawn.size(), 6u);
        },
        kIdle,
        [&](GameApp&) {
            look("after");
            Press(VK_ESCAPE);
        },
    };
    EXPECT_EQ(Run(app, "1920 1080\n2 16", steps), 0);
    // At rest nothing; the pointer moving onto card 3 redraws the card, its hover frame and the
    // pointer; the menu opened and closed redraws what lies under it.
    const std::string hover =
        std::to_string(kItemCard | 3) + "," + std::to_string(kItemHover) + "," + std::to_string(kItemPointer);
    EXPECT_EQ(seen, "rest:|hover:" + hover + "|after:|");
}

}  // namespace
}  // namespace tk_test
