// The layout editor over the real game screen: the chord lands in mode 9 on the application, a
// click on the menu button makes it the current element in mode 10, and the overlay is drawn over
// the table (build/screenshots/editor_game_mode9.png, editor_game_mode10.png).
#include "framework/editor/tk_KM.h"
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

using EditorOnGame = GameWorld;

TEST_F(EditorOnGame, TheChordAndAClickReachModesNineAndTenOverTheTable) {
    CopySet("DATA_tvary");
    tk_KM_Install();
    GameApp app;
    std::string seen;
    const auto state = [&](GameApp& a) {
        seen += Nums(tk_KM_on, tk_KM_mod, tk_KM_cPol_10 == &a, tk_KM_cPol_10 == a.m_btnMenu) + " ";
    };
    const Steps steps = {
        [](GameApp&) {
            tkp::headless::Key(VK_LCONTROL, true);
            Press(VK_F1);
        },
        [&](GameApp& a) {
            tkp::headless::Key(VK_LCONTROL, false);
            state(a);
        },
        [&](GameApp& a) {
            state(a);
            Shot("editor_game_mode9");
            ClickOn(a.m_btnMenu);
        },
        [&](GameApp& a) { state(a); },
        [](GameApp&) {
            Shot("editor_game_mode10");
            Press(VK_ESCAPE);
        },
        [&](GameApp& a) { state(a); },
    };
    EXPECT_EQ(Run(app, "1280 1024\n2 16", steps), 0);
    EXPECT_EQ(seen, "1,9,1,0 1,9,1,0 1,10,0,1 0,10,0,1 ");
}

}  // namespace
}  // namespace tk_test
