// The progress screen while a set's thumbnails are made: a bar filled by the share of pictures
// done, with the pointer following moves made meanwhile; a prepared set loads without it, and the
// table comes back when the pass ends.
#include "tests/common/game/kartola_world.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

using Progress = GameWorld;

// Pixels of row y between x0 and x1 (excluded) that have the colour of (x0, y).
int runOf(int x0, int x1, int y) {
    int n = 0;
    while (x0 + n < x1 && tkp::headless::FramePixel(x0 + n, y) == tkp::headless::FramePixel(x0, y)) ++n;
    return n;
}

TEST_F(Progress, ThePassShowsTheShareDoneWithALivePointerOnlyWhileThumbnailsAreMade) {
    GameApp app;
    const Steps steps = {
        [&](GameApp&) {
            // A set made after the start, so that its thumbnails are all missing.
            MakeDir(dir_.path() + "/DATA_velka");
            for (const char* name : {"a", "b", "c", "d"})
                WriteFile(dir_.path() + "/DATA_velka/" + name + ".bmp", Picture24(300, 200, [](int x, int y) {
                              return static_cast<std::uint32_t>(x * 3 + y);
                          }));
        },
        [&](GameApp& a) {
            // Mid-way: one of four done, a move waiting in the queue.
            Move(300, 200);
            a.ThumbnailProgress("../DATA_velka", 1, 4, "../DATA_velka/b.bmp");
            Shot("kartola_progress");
            // The bar (1024 x 768: 512 wide at the centre, 2 pixels of frame) is filled a quarter.
            const int y = 384, inside = 508;
            EXPECT_EQ(tk_test::Nums(runOf(258, 766, y), runOf(258 + inside / 4, 766, y),
                                    tkp::headless::FramePixel(256, y) == 0xFFFFFF),
                      tk_test::Nums(inside / 4, inside - inside / 4, 1));
            EXPECT_EQ(tk_test::Nums(a.pointer_sprite.x, a.pointer_sprite.y), "300,200");
            a.ThumbnailProgress("../DATA_velka", 4, 4, nullptr);
            // A whole first load presents one progress frame per picture; a second none.
            for (int expected : {4, 0}) {
                const int before = tkp::headless::FrameCount();
                a.LoadSet("../DATA_velka");
                EXPECT_EQ(tkp::headless::FrameCount() - before, expected);
            }
            EXPECT_EQ(REG_KARTY.count, 8);
        },
        [](GameApp&) {
            // The table is back: no black inside of a bar across the middle.
            EXPECT_LT(FramePixels(0, RECT{258, 384, 766, 385}), 200);
        },
    };
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
}

}  // namespace
}  // namespace tk_test
