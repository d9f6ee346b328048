// Releasing the registers: every entry destroyed, storage kept, one log line per non-empty
// register in a fixed order, nothing for empty ones.
#include <regex>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "game/TKartaText.h"
#include "tests/game/table/table_fixture.h"

namespace table_test {
namespace {

TEST_F(TableTest, ReleaseDestroysEveryEntryAndLogsEachRegister) {
    Deal(1);
    ROZDAJ_PAR(1, "slivka", new tk_CIcon(), new tk_CDSO_Zvuk());
    HFONT font = CreateFontA(-20, 5, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Verdana");
    VRAT_TEXT(1)->font = font;
    g_iHoverCard = 2, g_iHeldCard = 3;
    const int slots = REG_KARTY.akt_alloc;

    UVOLNI_REGISTRE();
    const std::string log = tk_test::ReadFile("tk_LOG.txt");
    EXPECT_EQ(std::regex_replace(log, std::regex(R"(\(\d+\))"), "(N)"),
              "Kartola(N) : --------- [REG_KARTY uvolneny]\nKartola(N) : --------- [REG_TEXT uvolneny]\n"
              "Kartola(N) : --------- [REG_OBR uvolneny]\nKartola(N) : --------- [REG_ZVUK uvolneny]\n");
    for (tk_CARRE* reg : {&REG_KARTY, &REG_TEXT, &REG_OBR, &REG_ZVUK})
        EXPECT_TRUE(reg->count == 0 && reg->items && !reg->items[0] && !reg->items[1]);
    EXPECT_EQ(REG_KARTY.akt_alloc, slots);
    // The narrowed font went with its name: deleting it again is refused.
    EXPECT_FALSE(DeleteObject(font));
    // The cards the indices named are gone.
    EXPECT_TRUE(g_iHoverCard == -1 && g_iHeldCard == -1);

    // Empty registers log nothing; the next set is dealt into the kept storage.
    UVOLNI_REGISTRE();
    EXPECT_EQ(tk_test::ReadFile("tk_LOG.txt"), log);
    Deal(1);
    EXPECT_EQ(Card(1).x, 20);
}

}  // namespace
}  // namespace table_test
