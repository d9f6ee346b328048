// Card sets loaded from folders the tests make: pairs from thumbnails, sounds beside them, the
// program's own sheets left out, dotted names, loading afresh, names and paths longer than the
// loader keeps, and a folder of today's files: BMP, PNG and JPEG pictures in any case of their
// extensions, WAV, OGG, MP3 and FLAC recordings, one pair per picture name, the preferred kinds
// taken where names meet, thumbnails upright and flattened onto white. (Thumbnails made once and
// kept are the thumbnail pass's to pin.)
#include <png.h>
#include <sndfile.h>

#include <string>
#include <vector>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"
#include "platform/image/bmp_decode.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"
#include "tests/common/sound/tk_test_wav.h"
#include "tests/common/tk_test_fields.h"
#include "tests/common/tk_test_media.h"

namespace tk_test {
namespace {

std::string plain(std::uint32_t xrgb) {
    return Picture24(60, 40, [xrgb](int, int) { return xrgb; });
}

// The pairs as "name name=sound-file ..." in register order, with two cards a pair.
std::string loadedPairs() {
    std::string s;
    for (int i = 0; i < REG_TEXT.count; ++i)
        s += std::string(s.empty() ? "" : " ") + NameOf(i)->text + (SoundOf(i) ? "=" : "") +
             (SoundOf(i) ? SoundOf(i)->m_FileName : "");
    return REG_KARTY.count == 2 * REG_TEXT.count ? s : "cards " + std::to_string(REG_KARTY.count);
}

constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;

// 60 x 40 in four quadrants: red, green over blue, white.
std::vector<std::uint32_t> quadrants() {
    std::vector<std::uint32_t> p;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x) p.push_back(y < 20 ? (x < 30 ? R : G) : (x < 30 ? B : W));
    return p;
}

// The thumbnail's colours in the middle of its four quadrants, each channel cut to its top 3 bits
// (the thumbnail went through a 16-bit surface, the picture through a lossy codec).
std::string quadrantsOf(const std::string& thumbnail) {
    const std::string bytes = ReadFile(thumbnail);
    tkp::image::BmpImage im;
    if (!tkp::image::DecodeBmpFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &im,
                                   nullptr))
        return "unreadable";
    std::string s = std::to_string(im.width) + "x" + std::to_string(im.height);
    for (auto [x, y] : {std::pair{0.25, 0.25}, {0.75, 0.25}, {0.25, 0.75}, {0.75, 0.75}}) {
        char b[10];
        std::snprintf(b, sizeof(b), " %06X",
                      im.pixels[int(y * im.height) * im.width + int(x * im.width)] & 0xE0E0E0);
        s += b;
    }
    return s;
}

class CardSets : public BmpWorld {
  protected:
    void TearDown() override {
        UVOLNI_REGISTRE();
        BmpWorld::TearDown();
    }
};

TEST_F(CardSets, EachThumbnailIsAPairWithItsSound) {
    MakeDir("DATA1");
    WriteFile("DATA1/a.bmp", plain(0xFF0000));
    WriteFile("DATA1/b.bmp", plain(0x00FF00));
    WriteFile("DATA1/b.wav", wav_test::Wav(1, 8000, 8, std::string(8, '\x80')));
    EXPECT_EQ(NAHRAJ_DATA("DATA1"), 2);
    EXPECT_EQ(loadedPairs() + " | " + FilesIn("DATA1"), "a b=DATA1/b.wav | a.bmp a.thm b.bmp b.thm b.wav");
    // Picture then name; the pictures are the 150 x 100 thumbnails, opaque.
    EXPECT_EQ(Nums(CardAt(0)->kind, CardAt(1)->kind, CardAt(3)->pair, PictureOf(0)->phase.w,
                   PictureOf(0)->phase.h, PictureOf(0)->surface->TC),
              Nums('I', 'T', 1, 150, 100, 0));
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
        for (const std::string& f : c.files) WriteFile(folder + "/" + f, plain(0x808080));
        NAHRAJ_DATA(folder.c_str());
        EXPECT_EQ(loadedPairs(), c.pairs) << folder;
    }
}

TEST_F(CardSets, LoadingTheLoadedSetAgainStartsAfreshAndForgetsTheHeldCard) {
    MakeDir("DATA1");
    WriteFile("DATA1/a.bmp", plain(0xFF0000));
    NAHRAJ_DATA("DATA1");
    CardAt(0)->visible = CardAt(1)->visible = false;
    g_iHoverCard = 1;
    g_iHeldCard = 0;
    NAHRAJ_DATA("DATA1");
    EXPECT_EQ(Fields()("cards", REG_KARTY.count)("card0", CardAt(0)->visible)("card1", CardAt(1)->visible)(
                  "hover", g_iHoverCard)("held", g_iHeldCard),
              Fields()("cards", 2)("card0", 1)("card1", 1)("hover", -1)("held", -1));
}

TEST_F(CardSets, ALongNameIsCutAtACharacterAndATooLongPathIsLeftOut) {
    MakeDir("DATA1");
    std::string longName;
    for (int i = 0; i < 60; ++i) longName += "č";  // 120 bytes
    WriteFile("DATA1/" + longName + ".thm", plain(0x808080));
    NAHRAJ_DATA("DATA1");
    EXPECT_EQ(loadedPairs(), longName.substr(0, 102));
    std::string deep = "DATA2";
    for (int i = 0; i < 3; ++i) deep += "/" + std::string(170, 'd');
    MakeDir(deep);
    WriteFile(deep + "/kratke.thm", plain(0x808080));
    EXPECT_EQ(NAHRAJ_DATA(deep.c_str()), 0);
    EXPECT_EQ(loadedPairs(), "");
    EXPECT_TRUE(Logged("Meno karty je pridlhe, skracujem ho") &&
                Logged("Cesta k nahladu je pridlha, vynechavam ju"));
}

TEST_F(CardSets, AFolderMixingAllKindsGivesOnePairPerPictureName) {
    MakeDir("DATA");
    const std::vector<short> tone(800, 1000);
    const std::string flat24 = Picture24(60, 40, [](int, int) { return 0x336699u; });
    WriteFile("DATA/a.bmp", flat24);
    WriteFile("DATA/a.wav", wav_test::Wav(1, 8000, 8, std::string(8, '\x80')));
    WriteFile("DATA/a.ogg", SoundFile(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 8000, tone));
    WriteFile("DATA/b.png", PngFile(2, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, std::vector<std::uint8_t>(16, 0)));
    WriteFile("DATA/b.OGG", SoundFile(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 8000, tone));
    // Taken on its side: stored turned, shown upright with the red quadrant top left again.
    art::RgbImage upright(60, 40);
    upright.px = quadrants();
    const art::RgbImage turned = art::TurnedAnticlockwise(upright);
    WriteFile("DATA/c.JPG", JpegFile(turned.w, turned.h, turned.px, {.orientation = 6}));
    WriteFile("DATA/c.mp3", SoundFile(SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, 8000, tone));
    WriteFile("DATA/d.jpeg", JpegFile(60, 40, quadrants(), {.progressive = true}));
    WriteFile("DATA/d.flac", SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 8000, tone));
    WriteFile("DATA/e.Png", PngFile(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 0}, {0x808000}));
    // Two pictures of one name: the BMP is the picture; other files are no pictures.
    WriteFile("DATA/f.jpg", JpegFile(60, 40, quadrants(), {}));
    WriteFile("DATA/f.bmp", flat24);
    WriteFile("DATA/notes.txt", "not a picture");

    EXPECT_EQ(NAHRAJ_DATA("DATA"), 6);
    EXPECT_EQ(loadedPairs(), "a=DATA/a.wav b=DATA/b.OGG c=DATA/c.mp3 d=DATA/d.flac e f");

    // Every picture has its thumbnail; the one taken on its side is upright.
    for (const char* name : {"b", "d", "e"})
        EXPECT_EQ(quadrantsOf(std::string("DATA/") + name + ".thm").substr(0, 7), "150x100");
    EXPECT_EQ(quadrantsOf("DATA/a.thm"), "150x100 206080 206080 206080 206080");
    EXPECT_EQ(quadrantsOf("DATA/c.thm"), "150x100 E00000 00E000 0000E0 E0E0E0");
    EXPECT_EQ(quadrantsOf("DATA/f.thm"), quadrantsOf("DATA/a.thm"));
}

}  // namespace
}  // namespace tk_test
