// The layout editor on a small element tree, driven through its window procedure: modes, walking
// the tree, tuning lists, moving, resizing and their limits, the rubber band, the drag, the report
// and its failure, and elements destroyed under the editor.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/editor/tk_KM_internal.h"
#include "framework/tessalin.h"
#include "platform/headless/headless.h"
#include "tests/common/tk_test_files.h"
#include "tests/common/tk_test_surface.h"

namespace {

void keyDown(int vk, bool shift = false) {
    if (shift) tkp::headless::Key(VK_LSHIFT, true);
    tk_KM_WindowProc(nullptr, WM_KEYDOWN, static_cast<WPARAM>(vk), 0);
    if (shift) tkp::headless::Key(VK_LSHIFT, false);
}

void mouse(UINT msg, int x, int y) {
    tk_KM_WindowProc(nullptr, msg, 0, MAKELPARAM(x, y));
}

// The mode and the current element's name.
std::string modeAndCurrent() {
    return std::to_string(tk_KM_mod) + " " + (tk_KM_cPol_10 ? tk_KM_cPol_10->name : "-");
}

std::string placeOf(tk_CPol* e) {
    int w = 0, h = 0;
    e->GetSize(&w, &h);
    return tk_test::Nums(e->x, e->y) + " " + std::to_string(w) + "x" + std::to_string(h);
}

// root: box (ID 100: label "Ahoj", bare element), menu (class 2, three entries), rows, sprite.
class Editor : public ::testing::Test {
  protected:
    void SetUp() override {
        tkp::headless::ResetWindowing();
        // Labels measure their text on the primary surface.
        tk_lpDDSPrimary = primary_.get();
        tk_CDUI_void_flag = true;
        tk_KM_Install();
        tk_KM_SwitchOff();
        root = new tk_CPolCHLO();
        box = new tk_CPolCHLO(root, 100);
        box->MoveToRel(100, 200);
        label = new tk_CLabel(box, 20, 30, "Ahoj");
        plain = new tk_CPol(box, 50, 60);
        menu = new tk_CDUI(root, 300, 100);
        for (int i = 1; i <= 3; ++i) menu->PRIDAJ(i, "entry");
        menu->MoveToRel(300, 100);
        rows = new tk_CDUIR(root, 500, 100);
        sprite = new tk_CDAS(root, 700, 300);
        sprite->SetSize(40, 20);
        root->SetupVisual_Private();
        tk_KM_SwitchOn(root);
    }
    void TearDown() override {
        delete root;
        tk_KM_SwitchOff();
        tk_CDUI_void_flag = false;
        tk_lpDDSPrimary = nullptr;
    }

    tk_test::ScopedWorkDir dir_;
    tk_test::TestSurface primary_{8, 8};
    tk_CPolCHLO* root = nullptr;
    tk_CPolCHLO* box = nullptr;
    tk_CLabel* label = nullptr;
    tk_CPol* plain = nullptr;
    tk_CDUI* menu = nullptr;
    tk_CDUIR* rows = nullptr;
    tk_CDAS* sprite = nullptr;
};

TEST_F(Editor, SwitchingOnLandsInMode9OnTheRootAndF1AlternatesWithMode0) {
    EXPECT_TRUE(tk_KM_on);
    EXPECT_EQ(tk_KM_cPolCHLO_9, root);
    std::vector<std::string> seen{modeAndCurrent()};
    keyDown(VK_F1), seen.push_back(modeAndCurrent());
    keyDown(VK_F1), seen.push_back(modeAndCurrent());
    // The root has no parent: Backspace and Tab leave everything as it was.
    keyDown(VK_BACK), keyDown(VK_TAB), keyDown(VK_TAB, true), seen.push_back(modeAndCurrent());
    EXPECT_EQ(seen, (std::vector<std::string>{"9 noname_polchlo", "0 noname_polchlo", "9 noname_polchlo",
                                              "9 noname_polchlo"}));
    EXPECT_EQ(tk_KM_cPol_10, root);
    for (int vk : {VK_ESCAPE, VK_F12, VK_F1}) {
        tk_KM_SwitchOn(root);
        keyDown(vk, vk == VK_F1);
        EXPECT_FALSE(tk_KM_on) << vk;
    }
}

TEST_F(Editor, ReturnTabAndBackspaceWalkTheTreeIntoTheModeThatFitsEachElement) {
    std::vector<std::string> walk;
    auto at = [&] { walk.push_back(modeAndCurrent()); };
    keyDown(VK_RETURN), at();                      // child 0 of the root: the box
    keyDown(VK_F2), keyDown(VK_RETURN), at();      // its child 1: the bare element
    keyDown(VK_TAB), at();                         // wraps to the label
    keyDown(VK_TAB, true), at();                   // back to the bare element
    keyDown(VK_BACK), at();                        // the box
    keyDown(VK_TAB), at();                         // the menu
    keyDown(VK_TAB), at();                         // the row list
    keyDown(VK_TAB), at();                         // the sprite
    keyDown(VK_BACK), keyDown(VK_F2, true), at();  // the root; F2 back from child 0 wraps to the last
    EXPECT_EQ(tk_KM_item, 3);
    EXPECT_EQ(walk, (std::vector<std::string>{"9 noname_polchlo", "10 noname_pol", "10 noname_label",
                                              "10 noname_pol", "9 noname_polchlo", "1 noname", "2 noname",
                                              "10 noname_das", "9 noname_polchlo"}));
    EXPECT_TRUE(!tk_KM_cDUI_1 && !tk_KM_cDUIR_2);
}

TEST_F(Editor, FunctionKeysTuneTheListAndMarkItForANewLayoutWithinLimits) {
    tk_KM_SetCurrent(menu);
    ASSERT_EQ(tk_KM_cDUI_1, menu);
    menu->RESET_GEOMETRIE();
    keyDown(VK_F2), keyDown(VK_F3), keyDown(VK_F5), keyDown(VK_F6, true), keyDown(VK_F7),
        keyDown(VK_F8, true);
    EXPECT_TRUE(menu->zmena);
    // No margin below zero. The help shows the list's values; the list's layout from them is the
    // lists' own.
    keyDown(VK_F6, true);
    EXPECT_EQ(tk_KM_HelpLines(),
              (std::vector<std::string>{"tk_KM_mod=1: DUI", "[F2]  TextMode: RC", "[F3]  IconMode: CT",
                                        "[F5]  TextPadding: 2", "[F6]  IconPadding: 0", "[F7]  a,b: 21,24",
                                        "[F8]  c: 119", "[F11]  SAVE => tk_KM_report.txt"}));

    tk_KM_SetCurrent(rows);
    ASSERT_EQ(tk_KM_mod, 2);
    rows->RESET_GEOMETRIER();
    keyDown(VK_F8);
    EXPECT_EQ(tk_test::Nums(rows->zmenaR, rows->c), "1,121");
    EXPECT_EQ(tk_KM_HelpLines()[0], "tk_KM_mod=2: DUIR");
}

TEST_F(Editor, ArrowsMoveAndShiftArrowsResizeByOnePixelAndStopAtTheLimits) {
    tk_KM_SetCurrent(sprite);
    ASSERT_EQ(tk_KM_mod, 10);
    keyDown(VK_LEFT), keyDown(VK_NUMPAD2), keyDown(VK_NUMPAD2);
    keyDown(VK_RIGHT, true), keyDown(VK_UP, true);
    EXPECT_EQ(tk_KM_DataLines(),
              (std::vector<std::string>{"           ID = [ -1 ]", "     [ x, y ] = [ 699, 302 ]",
                                        "   [ rx, ry ] = [ 699, 302 ]", "[ sir x vys ] = [ 41 x 19 ]"}));
    sprite->SetSize(1, 1);
    keyDown(VK_LEFT, true), keyDown(VK_UP, true);
    sprite->MoveToRel(tk_KM_MAX_COORD, -tk_KM_MAX_COORD);
    keyDown(VK_RIGHT), keyDown(VK_UP);
    EXPECT_EQ(placeOf(sprite),
              std::to_string(tk_KM_MAX_COORD) + "," + std::to_string(-tk_KM_MAX_COORD) + " 1x1");

    // A container moves with its children.
    tk_KM_SetCurrent(box);
    keyDown(VK_DOWN), keyDown(VK_NUMPAD6);
    EXPECT_EQ(placeOf(label).substr(0, 7), "121,231");
    EXPECT_EQ(tk_test::Nums(box->rx, box->ry), "101,201");
}

TEST_F(Editor, TheRubberBandSelectsUpTo50ChildrenWhichThenMoveTogether) {
    auto* crowd = new tk_CPolCHLO(root, 7);
    crowd->MoveToRel(0, 0);
    for (int i = 0; i < 51; ++i) new tk_CPol(crowd, 10 + i * 3, 400);
    tk_KM_SetCurrent(crowd);
    // Stretched up and to the left from below the row's right end.
    mouse(WM_RBUTTONDOWN, 200, 420);
    mouse(WM_MOUSEMOVE, 5, 390);
    mouse(WM_RBUTTONUP, 5, 390);
    ASSERT_EQ(tk_test::Nums(tk_KM_multi, tk_KM_band.right_down, tk_KM_sel_count, tk_KM_sel[49]), "1,0,50,49");
    keyDown(VK_UP);
    keyDown(VK_RIGHT, true);
    // Where children 0, 49 and 50 are.
    auto row = [&] {
        auto at = [&](int i) { return static_cast<tk_CPol*>(crowd->children.items[i]); };
        return tk_test::Nums(at(0)->x, at(0)->y, at(49)->x, at(49)->y, at(50)->x, at(50)->y);
    };
    EXPECT_EQ(row(), "11,399,158,399,160,400");

    // A press on a selected child drags the whole selection; a press elsewhere ends it and picks.
    mouse(WM_LBUTTONDOWN, 11, 399);
    mouse(WM_MOUSEMOVE, 21, 404);
    mouse(WM_LBUTTONUP, 21, 404);
    EXPECT_EQ(row(), "21,404,168,404,160,400");
    EXPECT_EQ(tk_KM_cPol_10, crowd);
    mouse(WM_LBUTTONDOWN, 710, 305);
    EXPECT_TRUE(tk_KM_cPol_10 == sprite && !tk_KM_multi);
}

TEST_F(Editor, AClickPicksTheTopmostElementAndAPressOnTheCurrentChildDragsIt) {
    // Mode 9 on the box, current child 0 (the label): a click on it, trembling a pixel, picks it.
    tk_KM_SetCurrent(box);
    mouse(WM_LBUTTONDOWN, 122, 232);
    mouse(WM_MOUSEMOVE, 123, 233);
    mouse(WM_LBUTTONUP, 123, 233);
    EXPECT_TRUE(label->rx == 20 && tk_KM_cPol_10 == label && tk_KM_mod == 10);
    // A press in mode 10 picks too: here the menu, which lands in mode 1; in mode 1 presses do nothing.
    menu->RESET_GEOMETRIE();
    mouse(WM_LBUTTONDOWN, menu->obal.left + 5, menu->obal.top + 5);
    EXPECT_EQ(tk_KM_mod, 1);
    mouse(WM_LBUTTONDOWN, 710, 305);
    EXPECT_EQ(tk_KM_cPol_10, menu);

    // Back on the box: press on the label's dot, move, release: the label moves, nothing is picked.
    tk_KM_SetCurrent(box);
    mouse(WM_LBUTTONDOWN, 119, 229);
    mouse(WM_MOUSEMOVE, 129, 234);
    mouse(WM_MOUSEMOVE, 139, 239);
    mouse(WM_LBUTTONUP, 139, 239);
    EXPECT_EQ(tk_test::Nums(label->rx, label->ry), "40,40");
    EXPECT_EQ(placeOf(plain).substr(0, 7), "150,260");
    EXPECT_EQ(tk_KM_cPol_10, box);
}

TEST_F(Editor, TheReportListsTheContainerItsChildrenWithTheLabelTextAndTheirSourceLines) {
    tk_KM_SetCurrent(box);
    keyDown(VK_F11);
    int lw = 0, lh = 0;
    label->GetSize(&lw, &lh);
    const std::string labelSize = std::to_string(lw) + "," + std::to_string(lh);
    EXPECT_EQ(tk_test::ReadFile("tk_KM_report.txt"),
              "-------------------\n"
              "tk_KM_cPolCHLO_9: CPolCHLO\n"
              " ID=100 rx,ry=[100,200] sir,vys=[80,80]\n"
              "--- CHL:\n"
              "[0]: [tk_CLabel] [noname_label] ID=-1 rx,ry=[20,30] sir,vys=[" +
                  labelSize +
                  "] text=Ahoj\n"
                  "[1]: [tk_CPol] [noname_pol] ID=-1 rx,ry=[50,60] sir,vys=[80,80]\n"
                  "-------------------\n"
                  "GetCHLWithIndex( 0 )->MoveToRel( 20, 30 );\n"
                  "GetCHLWithIndex( 1 )->MoveToRel( 50, 60 );\n"
                  "-------------------\n"
                  "tk_KM_cPol_10: CPol\n"
                  " TODO\n");
    EXPECT_STREQ(tk_KM_SaveError(), "");
}

TEST_F(Editor, AReportThatCannotBeWrittenIsLoggedAndShownInTheHelpUntilASaveWorks) {
    namespace fs = std::filesystem;
    fs::create_directory("tk_KM_report.txt");
    tk_LOG_on = 1;
    EXPECT_EQ(tk_KM_SAVE(), 0);
    const std::string shown = tk_KM_HelpLines().back();
    EXPECT_EQ(shown.rfind("SAVE FAILED: tk_KM_report.txt (", 0), 0u) << shown;
    EXPECT_NE(tk_test::ReadFile("tk_LOG.txt").find("TSKW ERROR:  [SAVE FAILED: tk_KM_report.txt"),
              std::string::npos);
    // Once the way is clear the next save works and the line goes.
    fs::remove("tk_KM_report.txt");
    EXPECT_EQ(tk_KM_SAVE(), 1);
    EXPECT_EQ(tk_KM_HelpLines().back(), "[F11]  SAVE => tk_KM_report.txt");
    tk_LOG_on = 0;
}

TEST_F(Editor, ElementsDestroyedUnderTheEditorAreForgottenAndNeverTouched) {
    // A child of the container target goes: the selection goes with it.
    auto* extra = new tk_CPol(box, 5, 5);
    tk_KM_SetCurrent(box);
    mouse(WM_RBUTTONDOWN, 100, 200);
    mouse(WM_MOUSEMOVE, 200, 300);
    ASSERT_EQ(tk_KM_sel_count, 3);
    box->children.SET(2, nullptr);
    delete extra;
    EXPECT_TRUE(tk_KM_sel_count == 0 && !tk_KM_multi);

    // A free-standing tree (as the game's cards) with the current element two levels down: the
    // editor falls back through the parents as they go, and ends with nothing.
    auto* loose = new tk_CPolCHLO();
    auto* inner = new tk_CPolCHLO(loose, 1);
    auto* leaf = new tk_CPol(inner, 3, 3);
    tk_KM_SetCurrent(leaf);
    delete loose;
    EXPECT_TRUE(modeAndCurrent() == "0 -" && !tk_KM_cPolCHLO_9);
    for (int vk : {VK_TAB, VK_BACK, VK_RETURN, VK_LEFT, VK_F1, VK_F2}) keyDown(vk);
    mouse(WM_LBUTTONDOWN, 10, 10);
    EXPECT_TRUE(tk_KM_DataLines().empty());
    EXPECT_EQ(tk_KM_SAVE(), 1);
    EXPECT_EQ(tk_test::ReadFile("tk_KM_report.txt"), "");
}

}  // namespace
