// A touch screen: a finger drags a card onto its partner as the mouse does; a tap takes a card,
// which stays taken until the next tap, on its partner (a pair), on itself (put down) or on another
// card (that one is taken instead); the pointer hand hides under a finger and comes back with the
// mouse.
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

void fingerTap(POINT p) {
    tkp::headless::Touch(1, p.x, p.y);
    tkp::headless::Touch(-1, p.x, p.y);
}

using TouchPlay = GameWorld;

TEST_F(TouchPlay, AFingerDragsAndTapsPairCardsAsTheMouseDoes) {
    CopySet("DATA_tvary");
    GameApp app;
    const Steps steps = {
        kIdle,
        [](GameApp& a) {
            // A drag with the finger, as DragOnto does with the mouse.
            const POINT g = TakePoint(a, 0);
            ASSERT_GE(g.x, 0);
            const POINT d{g.x + CardAt(1)->x - CardAt(0)->x, g.y + CardAt(1)->y - CardAt(0)->y};
            tkp::headless::Touch(1, g.x, g.y);
            tkp::headless::Touch(0, (g.x + d.x) / 2, (g.y + d.y) / 2);
            tkp::headless::Touch(0, d.x, d.y);
            tkp::headless::Touch(-1, d.x, d.y);
        },
        [](GameApp& a) {
            EXPECT_EQ(Nums(a.duir_FINAL.CountR(), CardAt(0)->visible, a.pointer_sprite.visible), "1,0,0");
            a.TakeSounds();
            fingerTap(TakePoint(a, 2));
        },
        [](GameApp& a) {
            // Taken by a tap: held, with its sound, where it lay.
            EXPECT_EQ(Nums(g_iHeldCard, a.duir_FINAL.CountR()), "2,1");
            EXPECT_EQ(a.TakeSounds(), SoundOf(1) ? NameOf(1)->text : "");
            fingerTap(TakePoint(a, 2));
        },
        [](GameApp& a) {
            // A tap on itself puts it down; a tap on a card of another pair takes that one.
            EXPECT_EQ(g_iHeldCard, -1);
            fingerTap(TakePoint(a, 4));
        },
        [](GameApp& a) {
            ASSERT_EQ(g_iHeldCard, 4);
            fingerTap(TakePoint(a, 2));
        },
        [](GameApp& a) {
            ASSERT_EQ(g_iHeldCard, 2);
            a.TakeSounds();
            fingerTap(TakePoint(a, 3));
        },
        [](GameApp& a) {
            EXPECT_EQ(Nums(a.duir_FINAL.CountR(), g_iHeldCard, CardAt(2)->visible, CardAt(3)->visible),
                      "2,-1,0,0");
            EXPECT_EQ(a.TakeSounds(), "zvuknaraz.wav");
            Move(600, 500);
        },
        [](GameApp& a) {
            EXPECT_TRUE(a.pointer_sprite.visible);
            Press(VK_ESCAPE);
        },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
}

}  // namespace
}  // namespace tk_test
