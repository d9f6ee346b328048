// The layout editor in a running program: the demo's application screen with a list menu and a
// row list, the chord, mode 1 reached by a click, and the overlay over the frames, saved as
// pictures for people (build/screenshots/editor_mode9.png, editor_mode1.png; mode 10 over the
// game screen is the game's test).
#include "framework/demo/tessalin_demo.h"
#include "framework/editor/tk_KM.h"
#include "tests/common/app/tk_app_world.h"

namespace tk_test {
namespace {

constexpr std::uint32_t kHelpText = 0xFFFFC6;  // RGB(255, 255, 200) through 5-6-5
constexpr std::uint32_t kGreen = 0x00FF00;

using EditorOnScreen = AppWorld;

TEST_F(EditorOnScreen, TheChordAndAClickReachModesNineAndOneAndTheOverlayIsDrawnOverTheFrame) {
    tk_KM_Install();
    tk_CDUI_void_flag = true;
    ProbeApp app;
    tk_demo_Configure(&app);
    auto* menu = new tk_CDUI(&app, 200, 300);
    for (int i = 1; i <= 4; ++i) menu->PRIDAJ(i, ("Menu " + std::to_string(i)).c_str());
    menu->MoveToRel(200, 300);
    auto* rows = new tk_CDUIR(&app, 500, 300);
    for (int i = 1; i <= 5; ++i) rows->PRIDAJ(i, ("Row " + std::to_string(i)).c_str());
    const int status = Run(
        app, "1280 1024\n2 16",
        {[](ProbeApp&) {
             tkp::headless::Key(VK_LSHIFT, true);
             Press(VK_F1);
         },
         [](ProbeApp& a) {
             tkp::headless::Key(VK_LSHIFT, false);
             EXPECT_EQ(Nums(tk_KM_on, tk_KM_mod, tk_KM_cPolCHLO_9 == &a, tk_KM_cPol_10 == &a), "1,9,1,1");
         },
         [&](ProbeApp&) {
             // Help (5 lines from y 40) and data (4 lines from y 40, at x 800) are on the picture.
             EXPECT_GT(FramePixels(kHelpText, RECT{420, 40, 780, 40 + 5 * 18}), 200);
             EXPECT_GT(FramePixels(kHelpText, RECT{800, 40, 1100, 40 + 4 * 18}), 200);
             // The application's rectangle with the green pen along the screen's left edge.
             EXPECT_EQ(tkp::headless::FramePixel(1, 500), kGreen);
             Shot("editor_mode9");
             ClickOn(menu);
         },
         [&](ProbeApp&) {
             EXPECT_EQ(Nums(tk_KM_mod, tk_KM_cDUI_1 == menu), "1,1");
             Press(VK_F7);
         },
         Idle,
         [&](ProbeApp&) {
             // The mode-1 marker along the menu's new outline.
             EXPECT_EQ(tkp::headless::FramePixel(menu->obal.left, (menu->obal.top + menu->obal.bottom) / 2),
                       kGreen);
             Shot("editor_mode1");
             Press(VK_ESCAPE);
         },
         [](ProbeApp&) {
             EXPECT_FALSE(tk_KM_on);
             Press(VK_ESCAPE);
         }});
    EXPECT_EQ(status, 0);
    EXPECT_EQ(app.ticks.size(), 7u);
    tk_CDUI_void_flag = false;
}

}  // namespace
}  // namespace tk_test
