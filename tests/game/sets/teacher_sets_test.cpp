// A teacher's own card set as a phone gives it: photos of any shape keep it on their cards, a set
// on a read-only folder deals from the user's cache (or from memory when even that is full), GIF,
// WebP, HEIC and CMYK JPEG pictures give cards, and every file left out is named with its reason.
#include <algorithm>
#include <string>
#include <vector>

#include "framework/graphics/tk_ThumbnailCache.h"
#include "framework/widgets/tk_CIcon.h"
#include "game/kartola_rules.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"
#include "platform/image/bmp_decode.h"
#include "tests/common/graphics/tk_bmpfiles_world.h"
#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_pictures.h"
#include "tests/common/tk_test_unwritable.h"

namespace tk_test {
namespace {

namespace fs = std::filesystem;

// A black disc on white filling 80 % of the shorter side.
std::vector<std::uint32_t> disc(int w, int h) {
    std::vector<std::uint32_t> p;
    const double r = 0.4 * std::min(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double dx = x + 0.5 - w / 2.0, dy = y + 0.5 - h / 2.0;
            p.push_back(dx * dx + dy * dy <= r * r ? 0x000000 : 0xFFFFFF);
        }
    return p;
}

std::vector<std::uint32_t> quadrants(int w, int h) {
    std::vector<std::uint32_t> p;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p.push_back(y < h / 2 ? (x < w / 2 ? 0xFF0000 : 0x00FF00) : (x < w / 2 ? 0x0000FF : 0xFFFFFF));
    return p;
}

tkp::image::BmpImage readThumbnail(const std::string& path) {
    const std::string bytes = ReadFile(path);
    tkp::image::BmpImage im;
    tkp::image::DecodeBmpFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), &im,
                              nullptr);
    return im;
}

// "size: disc width x height, left margin colour": the dark pixels' extent and pixel (2, 50).
std::string discIn(const std::string& thumbnail) {
    const tkp::image::BmpImage im = readThumbnail(thumbnail);
    int l = im.width, r = -1, t = im.height, b = -1;
    for (int y = 0; y < im.height; ++y)
        for (int x = 0; x < im.width; ++x)
            if ((im.pixels[std::size_t(y * im.width + x)] >> 8 & 0xFF) < 128) {
                l = std::min(l, x), r = std::max(r, x), t = std::min(t, y), b = std::max(b, y);
            }
    if (im.pixels.empty()) return "unreadable";
    const bool whiteMargin = (im.pixels[std::size_t(50 * im.width + 2)] & 0xE0E0E0) == 0xE0E0E0;
    return std::to_string(im.width) + "x" + std::to_string(im.height) + " round " +
           std::to_string(std::abs((r - l) - (b - t)) <= 1) + " margin " + std::to_string(whiteMargin);
}

std::string thumbnailsIn(const std::string& folder) {
    int n = 0;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec)) n += e.path().extension() == ".thm";
    return std::to_string(n);
}

// Pairs whose picture can be drawn.
int drawablePairs() {
    int n = 0;
    for (int i = 0; i < REG_OBR.count; ++i) n += PictureOf(i) && PictureOf(i)->Usable();
    return n;
}

class TeacherSets : public BmpWorld {
  protected:
    void TearDown() override {
        UVOLNI_REGISTRE();
        BmpWorld::TearDown();
    }
};

// A portrait photo stored on its side with orientation 6 and a 4:3 photo, both large enough to be
// decoded reduced, are fitted whole onto white: their discs stay round. A 3:2 picture fills the card.
TEST_F(TeacherSets, PhotosKeepTheirShape) {
    MakeDir("DATA");
    WriteFile("DATA/na_vysku.jpg", JpegFile(1600, 1200, disc(1600, 1200), {.orientation = 6}));
    WriteFile("DATA/styri_tretiny.jpg", JpegFile(1600, 1200, disc(1600, 1200), {}));
    WriteFile("DATA/karta.png", PngFile(3, 2, 2, 8, std::vector<std::uint8_t>(18, 0)));
    ASSERT_EQ(NAHRAJ_DATA("DATA"), 3);
    EXPECT_EQ(discIn("DATA/na_vysku.thm"), "150x100 round 1 margin 1");
    EXPECT_EQ(discIn("DATA/styri_tretiny.thm"), "150x100 round 1 margin 1");
    // The black 3:2 picture covers the whole card, with no margin.
    EXPECT_EQ(discIn("DATA/karta.thm"), "150x100 round 0 margin 0");
}

// A set on a folder nobody can write deals every card from thumbnails in the user's cache, and the
// next load uses them again; with the cache full too, the cards are made in memory. Nothing but
// thumbnails is ever written, and none into the set.
TEST_F(TeacherSets, AReadOnlySetDealsFromTheCacheOrFromMemory) {
    MakeDir("DATA_usb");
    for (const char* name : {"pes", "mačka", "žaba"})
        WriteFile(std::string("DATA_usb/") + name + ".jpg", JpegFile(60, 40, quadrants(60, 40), {}));
    WriteFile("DATA_usb/pes.wav", std::string());
    const std::string before = FilesIn("DATA_usb");
    {
        Unwritable lock("DATA_usb");
        ASSERT_FALSE(Writable("DATA_usb"));
        EXPECT_EQ(NAHRAJ_DATA("DATA_usb"), 3);
        EXPECT_EQ(drawablePairs(), 3);
        const std::string cache = tk_BMP_ThumbnailCacheFolder();
        EXPECT_EQ(cache, dir_.path() + "/.cache/kartola/thumbnails");
        EXPECT_EQ(thumbnailsIn(cache), "3");
        const auto made = fs::last_write_time(tk_BMP_CachedThumbnailPath("DATA_usb/pes.jpg"));
        EXPECT_EQ(NAHRAJ_DATA("DATA_usb"), 3);
        EXPECT_TRUE(fs::last_write_time(tk_BMP_CachedThumbnailPath("DATA_usb/pes.jpg")) == made);
        // The cache cannot take more: a new set on the stick still deals, from memory.
        fs::remove_all(cache);
        OnAFullDisk(20000, [] { EXPECT_EQ(NAHRAJ_DATA("DATA_usb"), 3); });
        EXPECT_EQ(drawablePairs(), 3);
        EXPECT_EQ(thumbnailsIn(cache), "0");
        lock.Undo();
    }
    EXPECT_EQ(FilesIn("DATA_usb"), before);
}

// GIF, WebP, HEIC and CMYK JPEG pictures each give a card; a damaged one of each and a file of an
// unknown kind give none, and each is named with its reason.
TEST_F(TeacherSets, EveryKindGivesACardAndEveryFileLeftOutIsNamed) {
    MakeDir("DATA");
    const std::vector<std::pair<std::string, std::string>> pictures = {
        {"gif", GifFile(60, 40, quadrants(60, 40))},
        {"webp", WebpFile(60, 40, quadrants(60, 40))},
        {"heic", HeicFile(64, 40, quadrants(64, 40))},
        {"jpg", CmykJpegFile(60, 40, quadrants(60, 40), false)},
    };
    for (const auto& [ext, file] : pictures) {
        ASSERT_GT(file.size(), 40u) << ext;
        WriteFile("DATA/dobrý_" + ext + "." + ext, file);
        WriteFile("DATA/zlý_" + ext + "." + ext, file.substr(0, file.size() * 2 / 3));
    }
    WriteFile("DATA/poznámky.txt", "not a picture");
    WriteFile("DATA/falošný.png", "not a picture either");
    std::vector<std::string> leftOut;
    EXPECT_EQ(NAHRAJ_DATA("DATA", nullptr, &leftOut), 4);
    EXPECT_EQ(drawablePairs(), 4);
    for (const auto& [ext, file] : pictures)
        EXPECT_EQ(readThumbnail("DATA/dobrý_" + ext + ".thm").width, 150) << ext;
    std::sort(leftOut.begin(), leftOut.end());
    std::string lines;
    for (const std::string& l : leftOut) lines += l + "\n";
    EXPECT_EQ(lines,
              "falošný.png — neznámy formát\n"
              "poznámky.txt — neznámy formát\n"
              "zlý_gif.gif — poškodený súbor\n"
              "zlý_heic.heic — poškodený súbor\n"
              "zlý_jpg.jpg — poškodený súbor\n"
              "zlý_webp.webp — poškodený súbor\n");
    EXPECT_TRUE(Logged("TSKW ERROR: file left out [zlý_gif.gif — poškodený súbor]"));
}

}  // namespace
}  // namespace tk_test
