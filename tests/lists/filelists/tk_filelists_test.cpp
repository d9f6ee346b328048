// The folder list and the thumbnail list: rows, values and paths, skipped names, loading twice,
// paths freed before the rows go, the thumbnails' statistics and the geometry fitted to them,
// pictures without a usable thumbnail, a picture of the fruit set; the edit dialog's buttons, keys
// and a picture of it.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/lists/tk_UTL_CDLG_EDIT.h"
#include "framework/lists/tk_UTL_CDUIR_DIR.h"
#include "framework/lists/tk_UTL_CDUIR_THMFILE.h"
#include "framework/widgets/tk_DSGN.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// Rows as "id text path" joined by '|'.
std::string listRows(tk_CDUIR& list) {
    std::string s;
    for (int i = 0; i < list.CountR(); ++i) {
        const tk_TVOLBAR* r = list[i];
        s += (i ? "|" : "") + std::to_string(r->id) + " " + (r->text ? r->text : "-") + " " +
             (r->data ? static_cast<const char*>(r->data) : "-");
    }
    return s;
}

// A container that notes what reaches it.
struct Owner : tk_CPolCHLO {
    std::vector<std::string> heard;
    bool HandleFWInteraction(int id, int value, tk_CPol*) override {
        heard.push_back(Nums(id, value));
        return true;
    }
};

class FileListTest : public BmpWorld {
  protected:
    void SetUp() override {
        BmpWorld::SetUp();
        tk_CDUI_void_flag = true;
    }
    void TearDown() override {
        tk_CDUI_void_flag = false;
        tk_DSGN_DONE();
        BmpWorld::TearDown();
    }
    // A picture with a thumbnail of w x h.
    void Thumbnailed(const std::string& name, int w, int h) {
        WriteFile(name + ".bmp",
                  Picture24(60, 40, [](int x, int y) { return 0x404040u + (x * 0x30201u + y); }));
        ASSERT_EQ(tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd_, (name + ".bmp").c_str(), w, h,
                                                                    (name + ".thm").c_str()),
                  1);
    }
};

TEST_F(FileListTest, FolderListRowsValuesAndPaths) {
    for (const char* d : {"DATA1", "DATA2", "data3", "Other", "rezia_sady", "game"}) MakeDir(d);
    WriteFile("DATA4", "a file");
    fs::current_path("game");
    {
        tk_UTL_CDUIR_DIR list("sady");
        EXPECT_EQ(list.LOAD("../", "DATA*") + list.class_id, 122);
        EXPECT_EQ(listRows(list), "100 DATA1 ../DATA1|101 DATA2 ../DATA2|102 data3 ../data3");
        // Loading again appends; a listing that fails leaves the rows as they were.
        list.LOAD("../", "DATA*");
        list.LOAD("", "DATA*");
        EXPECT_EQ(listRows(list),
                  "100 DATA1 ../DATA1|101 DATA2 ../DATA2|102 data3 ../data3|"
                  "100 DATA1 ../DATA1|101 DATA2 ../DATA2|102 data3 ../data3");
        tk_UTL_CDUIR_DIR all;
        all.LOAD("..", "*");
        EXPECT_EQ(listRows(all),
                  "100 DATA1 ../DATA1|101 DATA2 ../DATA2|102 data3 ../data3|103 game ../game|"
                  "104 Other ../Other");
    }
    // Both lists went with their rows, and no row reported a path left behind.
    EXPECT_TRUE(!Logged("neuvolnene privatne data") && Logged("Doslo k chybe pri nacitani adresarov [X]"));
}

TEST_F(FileListTest, PicturesWithoutOrWithDamagedThumbnailsStillGetRows) {
    MakeDir("pics");
    Thumbnailed("pics/a", 10, 10);
    fs::remove("pics/a.thm");
    Thumbnailed("pics/b", 10, 10);
    WriteFile("pics/b.thm", "BM cut short");
    tk_UTL_CDUIR_THMFILE list;
    list.LOAD("pics", false);
    ASSERT_EQ(listRows(list), "1 a pics/a.bmp|2 b pics/b.bmp");
    EXPECT_TRUE(list[0]->icon && !list[0]->icon->surface && list[1]->icon && !list[1]->icon->surface);
    EXPECT_TRUE(
        Logged("TSKW ERROR: thumbnail cannot be loaded, delete it to have it made again [pics/b.thm]"));
    // XRELOAD makes the missing thumbnail and the damaged one again at the list's size, reloads
    // and fits the rows.
    list.XRELOAD("pics", false);
    EXPECT_EQ(listRows(list), "1 a pics/a.bmp|2 b pics/b.bmp");
    ASSERT_TRUE(list[0]->icon->surface && list[1]->icon->surface);
    EXPECT_EQ(Nums(list[0]->icon->phase.w, list[0]->icon->phase.h, list.a), "100,75,76");
}

TEST_F(FileListTest, ThumbnailStatisticsAndAGeometryThatNeverShrinksAndStopsAt150) {
    MakeDir("pics");
    Thumbnailed("pics/a", 100, 75);
    Thumbnailed("pics/b", 80, 60);
    tk_UTL_CDUIR_THMFILE list;
    // Without icons nothing is fitted.
    EXPECT_EQ(list.AUTORESIZE(), -1);
    EXPECT_EQ(list.LOAD("pics", true), 0);
    int min_w = 0, max_w = 0, min_h = 0, max_h = 0;
    EXPECT_EQ(list.GetIconsStatistics(&min_w, &max_w, &min_h, &max_h), 2);
    EXPECT_EQ(Nums(min_w, max_w, min_h, max_h), "80,100,60,75");
    list.a = 90;
    EXPECT_EQ(list.AUTORESIZE(), 0);
    EXPECT_EQ(Nums(list.a, list.b, list.text_okraj), "90,98,115");
    Thumbnailed("pics/c", 160, 152);
    EXPECT_EQ(list.RELOAD("pics", false), 0);
    list.AUTORESIZE();
    EXPECT_EQ(Nums(list.a, list.b, list.text_okraj), "150,158,150");
}

TEST_F(FileListTest, FruitSetPicture) {
    MakeDir("ovocie");
    for (const auto& e : fs::directory_iterator(CardSet("DATA_ovocie")))
        if (e.path().extension() == ".bmp") fs::copy_file(e.path(), fs::path("ovocie") / e.path().filename());
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    IDirectDrawSurface* page = Surface(340, 480, [](int, int) { return std::uint16_t{0x4208}; });
    IDirectDrawSurface* primary = tk_lpDDSPrimary;
    tk_lpDDSPrimary = page;
    {
        tk_UTL_CDUIR_THMFILE list("ovocie");
        list.riadkov = 5;
        // Entries wide enough for the names beside the thumbnails, and the skin's scroll bar.
        list.c = 260;
        list.posuv.Dsgn1_Stock(0, 0, "_posuvV_");
        list.tlac_hore.Dsgn1_Stock(0, 0, "_posuvV_btnA_");
        list.tlac_dole.Dsgn1_Stock(0, 0, "_posuvV_btnB_");
        list.draha.EVIDUJ_PREBER(&tk_DSGN._posuvV_track);
        list.XRELOAD("ovocie", false);
        EXPECT_EQ(Nums(list.CountR(), list.a, list.b, list.text_okraj), "10,76,84,115");
        list.CHOD_NA(10, 10);
        list.ZOBRAZ(page);
    }
    tk_lpDDSPrimary = primary;
    EXPECT_TRUE(tkp::testing::SaveSurfacePng(
        page, (std::string(TK_SCREENSHOT_DIR) + "/thumbnail_list_fruit.png").c_str()));
}

TEST_F(FileListTest, EditDialogOkStaysCancelAndCloseHideAndTheOwnerHearsAll) {
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    Owner owner;
    auto* dlg = new tk_UTL_CDLG_EDIT(&owner, "Sada", "Meno:");
    EXPECT_EQ(dlg->SetupVisual(), 0);
    // OK, cancel and close, each clicked: two moves (the first may only take the pointer off another
    // button), a press, a release.
    for (auto [dx, dy, shown] : {std::tuple{60, 115, true}, {165, 115, false}, {282, 6, false}}) {
        dlg->visible = true;
        for (int code : {0, 0, 1, -1}) owner.INFORMUJ_SA(dlg->x + dx, dlg->y + dy, code);
        EXPECT_EQ(dlg->visible, shown) << dx;
    }
    EXPECT_EQ(owner.heard, (std::vector<std::string>{"-10101,1", "-10102,1", "-10103,1"}));
    // Letters typed anywhere reach its edit box.
    dlg->visible = true;
    for (int key : {int{'S'}, int{'A'}, 8, int{'D'}}) owner.INFORMUJ_SA_KLAV(key);
    EXPECT_STREQ(dlg->Get_Text(), "SD");
}

// A picture of the edit dialog with a name typed.
TEST_F(FileListTest, EditDialogPicture) {
    ASSERT_EQ(tk_DSGN_INIT(), 1);
    IDirectDrawSurface* page = Surface(320, 200, [](int, int) { return std::uint16_t{0x4208}; });
    tk_UTL_CDLG_EDIT alone(nullptr, "Nová sada kariet", "Ako sa bude volať?");
    alone.SetupVisual();
    alone.CHOD_NA(14, 20);
    for (char key : std::string("ZVIERATA")) alone.INFORMUJ_SA_KLAV(key);
    alone.ZOBRAZ(page);
    EXPECT_TRUE(
        tkp::testing::SaveSurfacePng(page, (std::string(TK_SCREENSHOT_DIR) + "/edit_dialog.png").c_str()));
}

}  // namespace
}  // namespace tk_test
