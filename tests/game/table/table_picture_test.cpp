// The fruit card set dealt, scattered and drawn card by card as the game screen draws it, saved
// as a picture for people to look at, with a few of its pixels checked.
#include <algorithm>
#include <filesystem>

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_Draw.h"
#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"
#include "tests/graphics/tk_test_surface.h"

namespace table_test {
namespace {

namespace fs = std::filesystem;

// The table's blue.
constexpr std::uint16_t kTable = 500;

// Deals every picture of the folder in name order, each shrunk to a thumbnail's size.
void DealFolder(IDirectDraw* dd, const std::string& folder) {
    std::vector<fs::path> pictures;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == ".bmp") pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        auto* sheet = new tk_CDas_Surface();
        sheet->NAHRAJ_SURFACE_2_stretch(dd, pictures[i].c_str(), 150, 100);
        auto* icon = new tk_CIcon(sheet);
        icon->own_surface = true;
        ROZDAJ_PAR(static_cast<int>(i), pictures[i].stem().c_str(), icon, nullptr);
    }
}

// Each card's panel, then its picture or its name centred on one line.
void DrawTable(IDirectDrawSurface* dst, HFONT font) {
    for (int i = 0; i < REG_KARTY.count; ++i) {
        CKarta& card = *VRAT_KARTU(i);
        card.ZOBRAZ(dst);
        HDC dc = nullptr;
        if (!card.visible) continue;
        if (card.kind == 'I') {
            VRAT_OBR(card.pair)->ZOBRAZ(dst, card.x, card.y);
        } else if (dst->GetDC(&dc) == DD_OK) {
            RECT r{card.x, card.y, card.x + card.sir, card.y + card.vys};
            tk_glob_Text_draw_font(dc, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, font,
                                   VRAT_TEXT(card.pair)->text);
            dst->ReleaseDC(dc);
        }
    }
}

TEST_F(TableTest, ScatteredFruitTablePicture) {
    IDirectDraw* dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    const std::string here = __FILE__;
    DealFolder(dd, here.substr(0, here.rfind("tests/game/table/")) + "cardsets/DATA_ovocie");
    ASSERT_EQ(REG_KARTY.count, 20);
    ZAMIESAJ();
    // One pair is found already: its cards are scattered but not drawn.
    Card(4).visible = Card(5).visible = false;
    HFONT font = CreateFontA(-17, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    {
        tk_test::TestSurface screen(1024, 768);
        screen.Fill(kTable);
        DrawTable(screen.get(), font);
        screen.SavePng("game_table_scattered");
        // The found list's strip stays bare; most cards show a face at their centre.
        for (int y = 0; y < 768; y += 7) ASSERT_EQ(screen.Pixel(189, y), kTable) << y;
        int faces = 0;
        for (int i = 0; i < 20; ++i) faces += screen.Pixel(Card(i).x + 75, Card(i).y + 50) != kTable;
        EXPECT_GE(faces, 15);
    }
    DeleteObject(font);
    UVOLNI_REGISTRE();
    dd->Release();
}

}  // namespace
}  // namespace table_test
