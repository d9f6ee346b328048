#include <gtest/gtest.h>

#include <cstdint>

#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_CDEDB.h"
#include "tests/graphics/tk_test_surface.h"
#include "tests/widgets/dialogs/tk_test_screen.h"

using tk_test::ScopedScreen;
using tk_test::TestSurface;

namespace {

// Coloured diagonal bands, so that the net and the milky wash show what lies under them.
void Bands(TestSurface& srf) {
    const std::uint16_t colours[] = {0x18C3, 0x8000, 0x0410, 0x4208, 0x0011};
    DDSURFACEDESC d{};
    d.dwSize = sizeof(d);
    ASSERT_EQ(srf.get()->Lock(nullptr, &d, DDLOCK_WAIT, nullptr), DD_OK);
    for (int y = 0; y < srf.height(); ++y)
        for (int x = 0; x < srf.width(); ++x)
            reinterpret_cast<std::uint16_t*>(static_cast<std::uint8_t*>(d.lpSurface) + y * d.lPitch)[x] =
                colours[((x + y) / 24) % 5];
    srf.get()->Unlock(nullptr);
}

}  // namespace

TEST(DialogPictureTest, ThreeBackgroundsAndAnEditBox) {
    ScopedScreen screen(480, 300);
    TestSurface srf(480, 300);
    Bands(srf);
    tk_CPolCHLO root;
    const char* titles[] = {"Biela sieť", "Plná farba", "Mliečne pozadie"};
    tk_CDDialog* dlgs[3];
    for (int i = 0; i < 3; ++i) {
        dlgs[i] = new tk_CDDialog(&root, i + 1);
        dlgs[i]->Dsgn(20 + 150 * i, 30 + 20 * i, 130, 110, i + 1);
        dlgs[i]->frame.SetTitle(titles[i]);
    }
    auto* edit = new tk_CDEDB(dlgs[1], 10, 40);
    edit->SetSize(110, 24);
    for (int key : {'K', 'A', 'R', 'T', 'O', 'L', 'A'}) root.INFORMUJ_SA_KLAV(key);
    auto* plain = new tk_CDDialog(&root, 4);
    plain->Dsgn(40, 190, 400, 80, 1);
    plain->plain_fill = true;
    root.SetupVisual_Private();
    for (tk_CDDialog* d : dlgs) d->ZOBRAZ(srf.get());
    plain->ZOBRAZ(srf.get());
    srf.SavePng("dialogs_three_backgrounds");

    EXPECT_STREQ(edit->Get_Text(), "KARTOLA");
    const std::uint16_t strip = srf.RawOf(0xC86464);
    for (tk_CDDialog* d : dlgs) EXPECT_EQ(srf.Pixel(d->x + 3, d->y + 3), strip);
    EXPECT_EQ(srf.Pixel(dlgs[1]->x + 60, dlgs[1]->y + 90), srf.RawOf(0xB4B4B4));
    EXPECT_EQ(srf.Pixel(edit->x + 1, edit->y + 1), 0);
    EXPECT_EQ(srf.Pixel(plain->x + 5, plain->y + 5), srf.RawOf(0x006400));
}
