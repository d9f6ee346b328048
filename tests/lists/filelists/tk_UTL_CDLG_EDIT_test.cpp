// The edit dialog: its three buttons driven by pointer events (OK leaves it shown, cancel and
// close hide it, the owner hears all three), typing, the missing skin, and a picture of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/lists/tk_UTL_CDLG_EDIT.h"
#include "framework/widgets/tk_DSGN.h"
#include "tests/graphics/bmpfiles/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

// A container that notes what reaches it.
struct Owner : tk_CPolCHLO {
    std::vector<std::string> heard;
    bool HandleFWInteraction(int id, int value, tk_CPol*) override {
        heard.push_back(Join(id, value));
        return true;
    }
};

class EditDialogTest : public BmpWorld {
  protected:
    void TearDown() override {
        tk_DSGN_DONE();
        BmpWorld::TearDown();
    }
    // Two moves (the first may only take the pointer off another button), a press, a release.
    static void Click(tk_CPol& root, int x, int y) {
        for (int code : {0, 0, 1, -1}) root.INFORMUJ_SA(x, y, code);
    }
};

TEST_F(EditDialogTest, OkStaysCancelAndCloseHideAndTheOwnerHearsAll) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(tk_UTL_CDLG_EDIT(nullptr, "a", "b").SetupVisual(), "SetupVisual - !tk_DSGN_INIT_flag");
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    Owner owner;
    auto* dlg = new tk_UTL_CDLG_EDIT(&owner, "Sada", "Meno:");
    EXPECT_EQ(dlg->SetupVisual(), 0);
    EXPECT_EQ(Join(dlg->ID, dlg->sir, dlg->vys, dlg->children.count), "-1,292,157,11");
    const int x = dlg->x, y = dlg->y;
    Click(owner, x + 60, y + 115);
    EXPECT_TRUE(dlg->visible);
    Click(owner, x + 165, y + 115);
    EXPECT_FALSE(dlg->visible);
    dlg->visible = true;
    Click(owner, x + 282, y + 6);
    EXPECT_FALSE(dlg->visible);
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"-10101,1", "-10102,1", "-10103,1"}));
    // Letters typed anywhere reach its edit box.
    dlg->visible = true;
    for (int key : {int{'S'}, int{'A'}, 8, int{'D'}, int{'1'}}) owner.INFORMUJ_SA_KLAV(key);
    EXPECT_STREQ(dlg->Get_Text(), "SD");
    // Without a parent nobody hears it; a picture of it with a name typed.
    IDirectDrawSurface* page = Surface(320, 200, [](int, int) { return std::uint16_t{0x4208}; });
    tk_UTL_CDLG_EDIT alone(nullptr, "Nová sada kariet", "Ako sa bude volať?");
    alone.SetupVisual();
    alone.CHOD_NA(14, 20);
    for (char key : std::string("ZVIERATA")) alone.INFORMUJ_SA_KLAV(key);
    alone.ZOBRAZ(page);
    EXPECT_TRUE(tkp_SaveSurfacePng(page, (std::string(TK_SCREENSHOT_DIR) + "/edit_dialog.png").c_str()));
    EXPECT_FALSE(alone.HandleFWInteraction(tk_UTL_CDLG_EDIT::kCancel, 1, nullptr) || alone.visible);
}

}  // namespace
}  // namespace tk_test
