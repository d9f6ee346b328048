// A scattered table of the fruit card set drawn as the game draws it, saved as a picture for
// people to look at, with a few of its pixels checked.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Draw.h"
#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"
#include "tests/graphics/tk_test_surface.h"

namespace table_test {
namespace {

namespace fs = std::filesystem;

std::string CardSetFolder() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("tests/game/table/")) + "cardsets/DATA_ovocie";
}

// The table's blue.
constexpr std::uint16_t kTable = 500;

class TablePictureTest : public TableTest {
  protected:
    void SetUp() override {
        TableTest::SetUp();
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
        savedDD_ = tk_lpDD;
        tk_lpDD = dd_;
        font_ = CreateFontA(-17, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    }
    void TearDown() override {
        UVOLNI_REGISTRE();
        DeleteObject(font_);
        tk_lpDD = savedDD_;
        if (dd_) dd_->Release();
        TableTest::TearDown();
    }

    // Deals every picture of the folder in name order, each shrunk to a card's thumbnail size.
    void DealFolder(const std::string& folder) {
        std::vector<fs::path> pictures;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".bmp") pictures.push_back(entry.path());
        std::sort(pictures.begin(), pictures.end());
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            auto* sheet = new tk_CDas_Surface();
            sheet->NAHRAJ_SURFACE_2_stretch(dd_, pictures[i].string().c_str(), 150, 100);
            auto* icon = new tk_CIcon(sheet);
            icon->own_surface = true;
            ROZDAJ_PAR(static_cast<int>(i), pictures[i].stem().string().c_str(), icon, nullptr);
        }
    }

    // The table as the game screen draws it: each card's panel, then its picture or its name.
    void DrawTable(IDirectDrawSurface* dst) {
        DDBLTFX fx{};
        fx.dwSize = sizeof(fx);
        fx.dwFillColor = kTable;
        dst->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
        for (int i = 0; i < REG_KARTY.count; ++i) {
            CKarta& card = Card(i);
            card.ZOBRAZ(dst);
            if (!card.visible) continue;
            if (card.kind == 'I') {
                VRAT_OBR(card.pair)->ZOBRAZ(dst, card.x, card.y);
                continue;
            }
            HDC dc = nullptr;
            if (dst->GetDC(&dc) != DD_OK) continue;
            RECT r{card.x, card.y, card.x + card.sir, card.y + card.vys};
            tk_glob_Text_draw_font(dc, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, RGB(0, 0, 0), font_,
                                   VRAT_TEXT(card.pair)->text);
            dst->ReleaseDC(dc);
        }
    }

    IDirectDraw* dd_ = nullptr;
    IDirectDraw* savedDD_ = nullptr;
    HFONT font_ = nullptr;
};

TEST_F(TablePictureTest, ScatteredFruitTable) {
    DealFolder(CardSetFolder());
    ASSERT_EQ(REG_KARTY.count, 20);
    ZAMIESAJ();
    // One pair is found already: its cards are scattered but not drawn.
    Card(4).visible = Card(5).visible = false;

    tk_test::TestSurface screen(1024, 768);
    tk_lpDDSBack = screen.get();
    DrawTable(screen.get());
    screen.SavePng("game_table_scattered");
    tk_lpDDSBack = nullptr;

    // The found list's strip stays bare.
    for (int y = 0; y < 768; y += 7) ASSERT_EQ(screen.Pixel(180, y), kTable) << y;
    // The topmost card shows its face: a thumbnail pixel or the white net of a name card.
    const CKarta& top = Card(19);
    EXPECT_NE(screen.Pixel(top.x + 3, top.y + 2), kTable);
    int faces = 0;
    for (int i = 0; i < 20; ++i) faces += screen.Pixel(Card(i).x + 75, Card(i).y + 50) != kTable;
    EXPECT_GE(faces, 15);
}

}  // namespace
}  // namespace table_test
