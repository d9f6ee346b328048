// The game without any card set: the table says where sets are looked for and what one is, and the
// program stays usable.
#include "framework/support/tk_FSI_Kinds.h"
#include "tests/common/game/kartola_world.h"

namespace tk_test {
namespace {

using EmptyTable = GameWorld;

TEST_F(EmptyTable, WithoutACardSetTheTableExplainsWhereSetsGoAndTheGameStaysUsable) {
    GameApp app;
    const Steps steps = {
        kIdle,
        [&](GameApp& a) {
            // The parent of the working folder, in full, and what a set is, in white across the table.
            const std::string& hint = a.sets_hint;
            EXPECT_TRUE(hint.find(std::filesystem::canonical(dir_.path()).string()) != std::string::npos &&
                        hint.find("DATA") != std::string::npos &&
                        hint.find("(" + tk_FSI_PictureKindsText() + ")") != std::string::npos &&
                        hint.find("(" + tk_FSI_SoundKindsText() + ")") != std::string::npos)
                << hint;
            const int white = FramePixels(0xFFFFFF, RECT{0, 300, 1024, 470});
            EXPECT_EQ(Nums(REG_KARTY.count, a.utl_duir_DATA.CountR(), white > 200), "0,0,1");
            Shot("kartola_no_sets");
            RightClick(400, 300);
        },
        [](GameApp& a) {
            // The menu still comes and "Koniec" ends the game.
            ASSERT_TRUE(a.dui_Main.visible);
            const POINT p = Middle(a.dui_Main.EntryAt(3)->rect);
            Move(p.x, p.y);
        },
        [](GameApp& a) {
            const POINT p = Middle(a.dui_Main.EntryAt(3)->rect);
            Click(p.x, p.y);
        },
    };
    EXPECT_EQ(Run(app, "1024 768\n2 16", steps), 0);
    EXPECT_EQ(LogLines("Nenajdena volba"), "TSKW ERROR:  [Nenajdena volba]|");
    EXPECT_EQ(ReadFile(kKartolaSettings), "1024 768\n2 16");
}

}  // namespace
}  // namespace tk_test
