// Card sets loaded from folders the tests make: pairs from thumbnails, sounds beside them, the
// thumbnails written once and kept, the program's own sheets left out, dotted names, loading
// afresh, and names and paths longer than the loader keeps.
#include <string>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"
#include "tests/graphics/bmpfiles/tk_bmpfiles_world.h"

namespace tk_test {
namespace {

// A WAV file of a few silent 8-bit samples.
std::string Wav() {
    std::string w = "RIFF";
    auto put = [&w](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) w += static_cast<char>(v >> (8 * i));
    };
    put(36 + 8, 4);
    w += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(8000, 4), put(8000, 4), put(1, 2), put(8, 2);
    w += "data";
    put(8, 4);
    w.append(8, '\x80');
    return w;
}

std::string Plain(std::uint32_t xrgb) {
    return Picture24(60, 40, [xrgb](int, int) { return xrgb; });
}

// Counts what the loader told the screen.
struct Events : CTableEvents {
    int loading = 0;
    void PairFound(int) override {}
    int FoundPairs() override { return 0; }
    void GameWon() override {}
    void SetLoading() override { ++loading; }
};

// The pairs as "name:sound name:..." in register order.
std::string Pairs() {
    std::string s;
    for (int i = 0; i < REG_TEXT.count; ++i)
        s += std::string(s.empty() ? "" : " ") + NameOf(i)->text + (SoundOf(i) ? "+wav" : "");
    return s;
}

class CardSets : public BmpWorld {
  protected:
    void TearDown() override {
        UVOLNI_REGISTRE();
        BmpWorld::TearDown();
    }
};

TEST_F(CardSets, EachThumbnailIsAPairWithItsSoundAndThumbnailsAreWrittenOnce) {
    MakeDir("DATA1");
    WriteFile("DATA1/a.bmp", Plain(0xFF0000));
    WriteFile("DATA1/b.bmp", Plain(0x00FF00));
    WriteFile("DATA1/b.wav", Wav());
    EXPECT_EQ(NAHRAJ_DATA("DATA1"), 2);
    EXPECT_EQ(Pairs(), "a b+wav");
    EXPECT_EQ(FilesIn("DATA1"), "a.bmp a.thm b.bmp b.thm b.wav");
    // Two cards a pair, picture then name; the pictures are the 150 x 100 thumbnails, opaque.
    ASSERT_EQ(REG_KARTY.count, 4);
    EXPECT_EQ(Join(CardAt(0)->kind, CardAt(1)->kind, CardAt(2)->pair, CardAt(3)->pair), Join('I', 'T', 1, 1));
    EXPECT_EQ(Join(PictureOf(0)->phase.w, PictureOf(0)->phase.h, PictureOf(0)->surface->TC), "150,100,0");
    EXPECT_TRUE(Logged("wav sub init [DATA1/b.wav]"));
    EXPECT_TRUE(Logged("wav sub init [NULL]"));

    // A replaced picture keeps its card while its thumbnail lies there; a deleted one is remade.
    const std::string thumbnail = ReadFile("DATA1/a.thm");
    WriteFile("DATA1/a.bmp", Plain(0x0000FF));
    NAHRAJ_DATA("DATA1");
    EXPECT_EQ(ReadFile("DATA1/a.thm"), thumbnail);
    std::filesystem::remove("DATA1/a.thm");
    NAHRAJ_DATA("DATA1");
    EXPECT_NE(ReadFile("DATA1/a.thm"), thumbnail);
    EXPECT_EQ(Pairs(), "a b+wav");
}

struct FolderCase {
    std::vector<std::string> files;
    const char* pairs;
};
class FolderContents : public CardSets, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderContents, GiveThesePairs) {
    MakeDir("DATA_x");
    for (const std::string& f : GetParam().files) WriteFile("DATA_x/" + f, Plain(0x808080));
    NAHRAJ_DATA("DATA_x");
    EXPECT_EQ(Pairs(), GetParam().pairs);
    EXPECT_EQ(REG_KARTY.count, 2 * REG_TEXT.count);
}

INSTANTIATE_TEST_SUITE_P(CardSets, FolderContents,
                         ::testing::Values(
                             // A thumbnail without its picture still makes a pair.
                             FolderCase{{"x.thm"}, "x"},
                             // The program's own sheets are never cards.
                             FolderCase{{"rezia.bmp", "sprite_plane.bmp", "pes.bmp"}, "pes"},
                             // The name runs to the last dot.
                             FolderCase{{"a.b.bmp"}, "a.b"}, FolderCase{{}, ""}));

TEST_F(CardSets, LoadingTheLoadedSetAgainStartsAfresh) {
    MakeDir("DATA1");
    WriteFile("DATA1/a.bmp", Plain(0xFF0000));
    Events events;
    NAHRAJ_DATA("DATA1", &events);
    CKarta* first = CardAt(0);
    first->visible = false;
    CardAt(1)->visible = false;
    g_iHoverCard = 1;
    g_iHeldCard = 0;
    NAHRAJ_DATA("DATA1", &events);
    EXPECT_EQ(events.loading, 2);
    EXPECT_EQ(Join(REG_KARTY.count, CardAt(0)->visible, CardAt(1)->visible, g_iHoverCard, g_iHeldCard),
              "2,1,1,-1,-1");
    // A held index from before names no card now: the drop finds nothing and moves nothing.
    g_iHeldCard = 7;
    EXPECT_EQ(DropHeldCard(&events), 0);
    EXPECT_EQ(g_iHeldCard, -1);
}

TEST_F(CardSets, ALongNameIsCutAtACharacterAndATooLongPathIsLeftOut) {
    MakeDir("DATA1");
    std::string longName;
    for (int i = 0; i < 60; ++i) longName += "č";  // 120 bytes
    WriteFile("DATA1/" + longName + ".thm", Plain(0x808080));
    NAHRAJ_DATA("DATA1");
    ASSERT_EQ(REG_TEXT.count, 1);
    EXPECT_EQ(std::string(NameOf(0)->text), longName.substr(0, 102));
    EXPECT_TRUE(Logged("Meno karty je pridlhe, skracujem ho"));

    std::string deep = "DATA2";
    for (int i = 0; i < 3; ++i) deep += "/" + std::string(170, 'd');
    MakeDir(deep);
    WriteFile(deep + "/kratke.thm", Plain(0x808080));
    EXPECT_EQ(NAHRAJ_DATA(deep.c_str()), 0);
    EXPECT_EQ(REG_KARTY.count, 0);
    EXPECT_TRUE(Logged("Cesta k nahladu je pridlha, vynechavam ju"));
}

}  // namespace
}  // namespace tk_test
