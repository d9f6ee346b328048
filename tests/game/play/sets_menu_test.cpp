// The sets menu as a teacher meets it: the sets in Slovak order, a folder made while the game runs
// there as soon as the menu opens, and the set played last dealt again at the next start.
#include "game/kartola_collate.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/game/kartola_world.h"
#include "tests/common/tk_test_bmp.h"

namespace tk_test {
namespace {

using SetsMenu = GameWorld;

std::string setRows(GameApp& a) {
    std::string s;
    for (int i = 0; i < a.utl_duir_DATA.CountR(); ++i)
        s += std::string(s.empty() ? "" : "|") + a.utl_duir_DATA.VratVolbu__indexovo(i)->text;
    return s;
}

void makeSet(const std::string& folder, const std::string& picture) {
    MakeDir(folder);
    WriteFile(folder + "/" + picture + ".bmp",
              Bmp24(30, 20, [](int x, int y) { return std::uint16_t(x + y); }));
}

TEST_F(SetsMenu, SlovakOrderNewFoldersAtOnceAndTheSetPlayedLastDealtAgain) {
    ASSERT_TRUE(SlovakCollationAvailable()) << "scripts/setup.sh generates the sk_SK.UTF-8 locale";
    const std::string sets = dir_.path() + "/";
    makeSet(sets + "DATA_zvieratá", "pes");
    makeSet(sets + "DATA_šport", "lopta");
    makeSet(sets + "DATA_auto", "kolo");
    std::string atStart, dealtFirst, withNew, chosen;
    {
        GameApp app;
        Steps steps = {kIdle, [&](GameApp& a) {
                           atStart = setRows(a);
                           dealtFirst = NameOf(0) ? NameOf(0)->text : "";
                           ClickOn(a.m_btnMenu);
                       }};
        // The rows are valued 100, 101, ... in order: DATA_šport is the second.
        ChooseSet(steps, 101);
        steps.insert(steps.end(), {[&](GameApp& a) {
                                       chosen = NameOf(0) ? NameOf(0)->text : "";
                                       makeSet(sets + "DATA_čaj", "šálka");
                                       ClickOn(a.m_btnMenu);
                                   },
                                   kIdle, [&](GameApp& a) { withNew = setRows(a); }});
        ASSERT_EQ(Run(app, "1280 1024\n3 36", steps), 0);
    }
    // "š" after "s" and before "t"; "č" right after "c": never at the end, as bytes would put them.
    // The menu shows the names without "DATA_"; the settings keep the folder's whole name.
    EXPECT_EQ(atStart, "auto|šport|zvieratá");
    EXPECT_EQ(dealtFirst, "pes");
    EXPECT_EQ(withNew, "auto|čaj|šport|zvieratá");
    EXPECT_EQ(chosen, "lopta");
    EXPECT_NE(ReadFile("KARTOLA.MEM").find("set=DATA_šport"), std::string::npos) << ReadFile("KARTOLA.MEM");

    std::string dealtNext;
    {
        GameApp app;
        ASSERT_EQ(Run(app, "1280 1024\n3 36", {kIdle, [&](GameApp&) { dealtNext = NameOf(0)->text; }}), 0);
    }
    EXPECT_EQ(dealtNext, "lopta");
    // A remembered set that is gone: the last in order, as without a memory.
    std::filesystem::remove_all(sets + "DATA_šport");
    {
        GameApp app;
        ASSERT_EQ(Run(app, "1280 1024\n3 36", {kIdle, [&](GameApp&) { dealtNext = NameOf(0)->text; }}), 0);
    }
    EXPECT_EQ(dealtNext, "pes");
}

// The files a set leaves out are named on the table in a white box at its foot, until the next click.
TEST_F(SetsMenu, TheFilesLeftOutAreNamedOnTheTableUntilTheNextClick) {
    makeSet(dir_.path() + "/DATA_trieda", "pes");
    WriteFile(dir_.path() + "/DATA_trieda/mačka.jpg", "\xFF\xD8 cut short");
    WriteFile(dir_.path() + "/DATA_trieda/zoznam.txt", "not a picture");
    GameApp app;
    std::string lines;
    std::uint16_t before = 0, after = 0;
    const Steps steps = {kIdle,
                         [&](GameApp& a) {
                             for (const std::string& l : a.left_out_) lines += l + "|";
                             before = PixelOf(tk_lpDDSBack, 600, 1024 - 23);
                             tkp::testing::SaveSurfacePng(
                                 tk_lpDDSBack,
                                 (std::string(TK_SCREENSHOT_DIR) + "/kartola_left_out.png").c_str());
                             Click(1200, 1000);
                         },
                         kIdle, [&](GameApp&) { after = PixelOf(tk_lpDDSBack, 600, 1024 - 23); }};
    ASSERT_EQ(Run(app, "1280 1024\n3 36", steps), 0);
    EXPECT_EQ(lines, "mačka.jpg — poškodený súbor|zoznam.txt — neznámy formát|");
    EXPECT_EQ(Nums(before == 0xFFFF, after == 0xFFFF), "1,0");
}

}  // namespace
}  // namespace tk_test
