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
#include "tests/sound/tk_test_wav.h"

namespace tk_test {
namespace {

std::string Plain(std::uint32_t xrgb) {
    return Picture24(60, 40, [xrgb](int, int) { return xrgb; });
}

// The pairs as "name name+wav ..." in register order, with two cards a pair.
std::string Pairs() {
    std::string s;
    for (int i = 0; i < REG_TEXT.count; ++i)
        s += std::string(s.empty() ? "" : " ") + NameOf(i)->text + (SoundOf(i) ? "+wav" : "");
    return REG_KARTY.count == 2 * REG_TEXT.count ? s : "cards " + std::to_string(REG_KARTY.count);
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
    WriteFile("DATA1/b.wav", wav_test::Wav(1, 8000, 8, std::string(8, '\x80')));
    EXPECT_EQ(NAHRAJ_DATA("DATA1"), 2);
    EXPECT_EQ(Pairs() + " | " + FilesIn("DATA1"), "a b+wav | a.bmp a.thm b.bmp b.thm b.wav");
    // Picture then name; the pictures are the 150 x 100 thumbnails, opaque.
    EXPECT_EQ(Nums(CardAt(0)->kind, CardAt(1)->kind, CardAt(3)->pair, PictureOf(0)->phase.w,
                   PictureOf(0)->phase.h, PictureOf(0)->surface->TC),
              Nums('I', 'T', 1, 150, 100, 0));

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

TEST_F(CardSets, FolderContentsGiveThesePairs) {
    const struct {
        std::vector<std::string> files;
        const char* pairs;
    } cases[] = {// A thumbnail without its picture still makes a pair.
                 {{"x.thm"}, "x"},
                 // The program's own sheets are never cards.
                 {{"rezia.bmp", "sprite_plane.bmp", "pes.bmp"}, "pes"},
                 // The name runs to the last dot.
                 {{"a.b.bmp"}, "a.b"},
                 {{}, ""}};
    int n = 0;
    for (const auto& c : cases) {
        const std::string folder = "DATA_" + std::to_string(n++);
        MakeDir(folder);
        for (const std::string& f : c.files) WriteFile(folder + "/" + f, Plain(0x808080));
        NAHRAJ_DATA(folder.c_str());
        EXPECT_EQ(Pairs(), c.pairs) << folder;
    }
}

TEST_F(CardSets, LoadingTheLoadedSetAgainStartsAfreshAndForgetsTheHeldCard) {
    MakeDir("DATA1");
    WriteFile("DATA1/a.bmp", Plain(0xFF0000));
    NAHRAJ_DATA("DATA1");
    CardAt(0)->visible = CardAt(1)->visible = false;
    g_iHoverCard = 1;
    g_iHeldCard = 0;
    NAHRAJ_DATA("DATA1");
    EXPECT_EQ(Nums(REG_KARTY.count, CardAt(0)->visible, CardAt(1)->visible, g_iHoverCard, g_iHeldCard),
              "2,1,1,-1,-1");
}

TEST_F(CardSets, ALongNameIsCutAtACharacterAndATooLongPathIsLeftOut) {
    MakeDir("DATA1");
    std::string longName;
    for (int i = 0; i < 60; ++i) longName += "č";  // 120 bytes
    WriteFile("DATA1/" + longName + ".thm", Plain(0x808080));
    NAHRAJ_DATA("DATA1");
    EXPECT_EQ(Pairs(), longName.substr(0, 102));
    std::string deep = "DATA2";
    for (int i = 0; i < 3; ++i) deep += "/" + std::string(170, 'd');
    MakeDir(deep);
    WriteFile(deep + "/kratke.thm", Plain(0x808080));
    EXPECT_EQ(NAHRAJ_DATA(deep.c_str()), 0);
    EXPECT_EQ(Pairs(), "");
    EXPECT_TRUE(Logged("Meno karty je pridlhe, skracujem ho") &&
                Logged("Cesta k nahladu je pridlha, vynechavam ju"));
}

}  // namespace
}  // namespace tk_test
