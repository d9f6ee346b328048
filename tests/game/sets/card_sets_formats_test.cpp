// A card set of today's files: BMP, PNG and JPEG pictures in any case of their extensions, WAV,
// OGG, MP3 and FLAC recordings; one pair per picture name, the preferred kinds taken where names
// meet, thumbnails upright and flattened onto white.
#include <png.h>
#include <sndfile.h>

#include <string>
#include <vector>

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "game/CKarta.h"
#include "game/kartola_rules.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"
#include "platform/image/bmp_decode.h"
#include "tests/common/tk_test_media.h"
#include "tests/graphics/bmpfiles/tk_bmpfiles_world.h"
#include "tests/sound/tk_test_wav.h"

namespace tk_test {
namespace {

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
    tkp_BmpImage im;
    if (!tkp_DecodeBmpFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &im, nullptr))
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

class CardSetFormats : public BmpWorld {
  protected:
    void TearDown() override {
        UVOLNI_REGISTRE();
        BmpWorld::TearDown();
    }
};

TEST_F(CardSetFormats, AFolderMixingAllKindsGivesOnePairPerPictureName) {
    MakeDir("DATA");
    const std::vector<short> tone(800, 1000);
    const std::string flat24 = Picture24(60, 40, [](int, int) { return 0x336699u; });
    WriteFile("DATA/a.bmp", flat24);
    WriteFile("DATA/a.wav", wav_test::Wav(1, 8000, 8, std::string(8, '\x80')));
    WriteFile("DATA/a.ogg", SoundFile(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 8000, tone));
    WriteFile("DATA/b.png", PngFile(2, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, std::vector<std::uint8_t>(16, 0)));
    WriteFile("DATA/b.OGG", SoundFile(SF_FORMAT_OGG | SF_FORMAT_VORBIS, 1, 8000, tone));
    // Taken on its side: the upright picture has the blue quadrant top left.
    WriteFile("DATA/c.JPG", JpegFile(60, 40, quadrants(), {.orientation = 6}));
    WriteFile("DATA/c.mp3", SoundFile(SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 1, 8000, tone));
    WriteFile("DATA/d.jpeg", JpegFile(60, 40, quadrants(), {.progressive = true}));
    WriteFile("DATA/d.flac", SoundFile(SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1, 8000, tone));
    WriteFile("DATA/e.Png", PngFile(2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 0}, {0x808000}));
    // Two pictures of one name: the BMP is the picture; other files are no pictures.
    WriteFile("DATA/f.jpg", JpegFile(60, 40, quadrants(), {}));
    WriteFile("DATA/f.bmp", flat24);
    WriteFile("DATA/notes.txt", "not a picture");

    EXPECT_EQ(NAHRAJ_DATA("DATA"), 6);
    std::string pairs;
    for (int i = 0; i < REG_TEXT.count; ++i) {
        const tk_CDSO_Zvuk* sound = SoundOf(i);
        pairs += std::string(NameOf(i)->text) + "=" + (sound ? sound->m_FileName : "-") + " ";
    }
    EXPECT_EQ(pairs, "a=DATA/a.wav b=DATA/b.OGG c=DATA/c.mp3 d=DATA/d.flac e=- f=- ");
    EXPECT_EQ(REG_KARTY.count, 12);

    // Every picture has its thumbnail; the one taken on its side is upright.
    for (const char* name : {"b", "d", "e"})
        EXPECT_EQ(quadrantsOf(std::string("DATA/") + name + ".thm").substr(0, 7), "150x100");
    EXPECT_EQ(quadrantsOf("DATA/a.thm"), "150x100 206080 206080 206080 206080");
    EXPECT_EQ(quadrantsOf("DATA/c.thm"), "150x100 0000E0 E00000 E0E0E0 00E000");
    EXPECT_EQ(quadrantsOf("DATA/f.thm"), quadrantsOf("DATA/a.thm"));
}

}  // namespace
}  // namespace tk_test
