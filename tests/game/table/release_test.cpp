// Releasing the registers: every entry destroyed, storage kept, one log line per non-empty
// register in a fixed order, and nothing at all for empty ones.
#include "framework/sound/tk_CDSO_Zvuk.h"
#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

TEST_F(TableTest, ReleaseDestroysEveryEntryAndLogsEachRegister) {
    Deal(1);
    ROZDAJ_PAR(1, "slivka", new tk_CIcon(), new tk_CDSO_Zvuk());
    HFONT font = CreateFontA(-20, 5, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    ASSERT_NE(font, nullptr);
    VRAT_TEXT(1)->font = font;
    g_iHoverCard = 2;
    g_iHeldCard = 3;
    const int slots = REG_KARTY.akt_alloc;

    UVOLNI_REGISTRE();
    EXPECT_EQ(LogLines(), (std::vector<std::string>{
                              "Kartola(N) : --------- [REG_KARTY uvolneny]",
                              "Kartola(N) : --------- [REG_TEXT uvolneny]",
                              "Kartola(N) : --------- [REG_OBR uvolneny]",
                              "Kartola(N) : --------- [REG_ZVUK uvolneny]",
                          }));
    for (tk_CARRE* reg : {&REG_KARTY, &REG_TEXT, &REG_OBR, &REG_ZVUK}) {
        EXPECT_EQ(reg->count, 0);
        ASSERT_NE(reg->items, nullptr);
        EXPECT_EQ(reg->items[0], nullptr);
        EXPECT_EQ(reg->items[1], nullptr);
    }
    EXPECT_EQ(REG_KARTY.akt_alloc, slots);
    // The narrowed font went with its name: deleting it again is refused.
    EXPECT_FALSE(DeleteObject(font));
    // The cards the indices named are gone, so the indices are none.
    EXPECT_EQ(g_iHoverCard, -1);
    EXPECT_EQ(g_iHeldCard, -1);

    // Empty registers, and a second set dealt into the kept storage.
    UVOLNI_REGISTRE();
    EXPECT_EQ(LogLines().size(), 4u);
    Deal(1);
    EXPECT_EQ(REG_KARTY.count, 2);
    EXPECT_EQ(Card(1).x, 20);
}

}  // namespace
}  // namespace table_test
