// Icons and picture elements: loading their own file with its failures logged, caller's sheets,
// the placeholder, and drawing clipped at the screen's edges, to a window and centred three ways.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "tests/widgets/icons/tk_icons_world.h"

namespace tk_test {
namespace {

using IconTest = IconsWorld;

TEST_F(IconTest, LoadsItsOwnFileOrLogsWhyNot) {
    WriteFile("pic.bmp", SheetBmp());
    WriteFile("bad.bmp", "BM not a bitmap");
    {
        tk_CIcon own("pic.bmp");
        ASSERT_NE(own.surface, nullptr);
        EXPECT_TRUE(own.own_surface && own.visible);
        EXPECT_EQ(own.phase.x2 * 100 + own.phase.h, (kSheetW - 1) * 100 + kSheetH);
        // Transparent where its pixel (1, 1) is, unless the switch is off.
        EXPECT_EQ(own.surface->TC, kCorner);
        tk_glob_Set_CIcon_default_transparency(0);
        tk_CIcon opaque(dd_, "pic.bmp");
        tk_glob_Set_CIcon_default_transparency(1);
        EXPECT_EQ(opaque.surface->TC, 0);
    }
    tk_CIcon missing("nothing.bmp"), broken("bad.bmp"), nosheet(nullptr, 3, 4);
    tk_CPolIcon element(nullptr, 2, 2, "nothing.bmp");
    for (tk_CIcon* i : {&missing, &broken, &nosheet, static_cast<tk_CIcon*>(&element)}) {
        EXPECT_TRUE(i->surface == nullptr && !i->visible);
        i->ZOBRAZ(screen.get(), 0, 0);
        i->ZOBRAZ_2(screen.get(), 0, 9, 0, 5, 0, 0);
        i->ZOBRAZ_3_centr(screen.get(), 0, 9, 0, 5, 0, 0, 0);
    }
    element.ZOBRAZ(screen.get());
    EXPECT_EQ(Shown(), kEmpty);
    std::vector<std::string> mine;
    for (const std::string& l : LogLines())
        if (l.find("tk_CIcon::") != std::string::npos) mine.push_back(l);
    EXPECT_EQ(mine,
              (std::vector<std::string>{"TK_DAS_w(N) : tk_CIcon::tk_CIcon neexist. subor [RETURN!]",
                                        "TK_DAS_w(N) : tk_CIcon::tk_CIcon nenahraty subor (B) [RETURN!]",
                                        "TK_DAS_w(N) : tk_CIcon::tk_CIcon neplatny SRF [RETURN!]",
                                        "TK_DAS_w(N) : tk_CIcon::tk_CIcon neexist. subor [RETURN!]"}));
}

TEST_F(IconTest, DrawsClippedAtTheScreenAndToWindows) {
    tk_CIcon icon(&sheet, kLettersX, kLettersY);
    IDirectDrawSurface* dst = screen.get();
    tk_CPolIcon element(4, 0, &sheet, icon.phase);
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { icon.ZOBRAZ(dst, -2, -1); }, "gh........\nk.........\n..........\n..........\n..........\n"},
        {[&] { icon.ZOBRAZ(dst, 7, 4); }, "..........\n..........\n..........\n..........\n.......abc\n"},
        // The screen less a one-pixel margin: column 0 and row 0 stay empty.
        {[&] { icon.ZOBRAZ_2(dst, 0, 0); }, "..........\n.fgh......\n.jk.......\n..........\n..........\n"},
        {[&] { element.ZOBRAZ(); }, "..........\n....efgh..\n....ijk...\n..........\n..........\n"},
        // A window keeps its left and top edges and ends before its right and bottom ones.
        {[&] { icon.ZOBRAZ_2(dst, 3, 6, 2, 4, 2, 1); },
         "..........\n..........\n...fgh....\n...jk.....\n..........\n"},
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 0); },
         "..........\n...abcd...\n...efgh...\n...ijk....\n..........\n"},
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 1); },
         "..........\n.....abcd.\n.....efgh.\n.....ijk..\n..........\n"},
        {[&] { icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 2); },
         "..........\nabcd......\nefgh......\nijk.......\n..........\n"},
    };
    for (const auto& [draw, picture] : cases) {
        screen.Fill(0);
        draw();
        EXPECT_EQ(Shown().substr(0, 55), picture);
    }
    EXPECT_EQ(Shown().substr(55), "..........\n");
    // Hidden: only the margin form draws; a hidden picture element draws nothing.
    icon.visible = false;
    element.visible = false;
    screen.Fill(0);
    icon.ZOBRAZ(dst, 0, 0);
    icon.ZOBRAZ_3_centr(dst, 0, 10, 0, 6, 5, 3, 0);
    element.ZOBRAZ(dst);
    EXPECT_EQ(Shown(), kEmpty);
    icon.ZOBRAZ_2(dst, 2, 1);
    EXPECT_NE(Shown(), kEmpty);
    EXPECT_EQ(tk_CIcon(&sheet, 0, 9).phase.w, kSheetW);
}

TEST_F(IconTest, PlaceholderWithoutAPicture) {
    TestSurface out(120, 110), ref(120, 110);
    ReferenceBox(ref, RECT{8, 6, 108, 106}, 1, false, "tk_CIcon", nullptr);
    tk_CIcon empty, flat(&sheet, tk_TFAZA(0, 0, 0, 0));
    int w = 0, h = 0;
    empty.GetSize2(&w, &h);
    EXPECT_EQ(w * 1000 + h, 100100);
    // Centring does not apply to it, and a zero-sized phase is no picture either.
    for (const auto& draw :
         std::vector<std::function<void()>>{[&] { empty.ZOBRAZ(out.get(), 8, 6); },
                                            [&] { empty.ZOBRAZ_3_centr(out.get(), 0, 9, 0, 9, 8, 6, 2); },
                                            [&] { flat.ZOBRAZ_2(out.get(), 0, 9, 0, 9, 8, 6); }}) {
        out.Fill(0);
        draw();
        EXPECT_EQ(out.Differences(ref), 0);
    }
    EXPECT_EQ(out.Pixel(8, 6), 0xFFFF);
}

}  // namespace
}  // namespace tk_test
