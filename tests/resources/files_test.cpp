// The committed files: card-set BMPs of every kind the loader must read, each read by it, and RLE
// data that decodes to exactly the picture; every card set's WAV plain PCM that the sound loader
// takes; the pictures, the icon and the program sounds exactly what the tools make, which pins the
// tools' rasterizer and quantizer. (The spoken names need espeak-ng and are checked for their
// format only.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>

#include "framework/sound/tk_DSWave.h"
#include "platform/image/bmp_decode.h"
#include "tests/common/tk_test_files.h"
#include "tests/resources/resource_files.h"
#include "tools/lib/bmp_write.h"
#include "tools/lib/image.h"

namespace tk_res_test {
namespace {

namespace fs = std::filesystem;

bool decode(const std::string& bytes, tkp::image::BmpImage* image) {
    return tkp::image::DecodeBmpFile(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), image,
                                     nullptr);
}

TEST(CardPictures, HeadersAreConsistentTheLoaderTakesThemAndRleDecodesToTheWholePicture) {
    std::set<std::string> kinds;
    for (const std::string& folder : CardSetFolders()) {
        for (const std::string& path : FilesIn(folder, ".bmp")) {
            SCOPED_TRACE(path);
            const std::string b = tk_test::ReadFile(path);
            // The loader takes it whole, at the size its 40-byte header gives (it checks the offsets
            // and lengths itself), and the file header's size is the file's.
            tkp::image::BmpImage image;
            ASSERT_EQ(Field(b, 14, 4), 40u);
            EXPECT_EQ(Field(b, 2, 4), b.size());
            EXPECT_TRUE(decode(b, &image) && image.width == int(Field(b, 18, 4)) &&
                        image.height == int(Field(b, 22, 4)));
            kinds.insert(std::to_string(Field(b, 28, 2)) + "/" + std::to_string(Field(b, 30, 4)));
        }
    }
    // 24-bit, 8-bit and 4-bit palettes, RLE8 and RLE4 all appear.
    EXPECT_EQ(kinds, (std::set<std::string>{"24/0", "8/0", "4/0", "8/1", "4/2"}));

    // The encoder's runs, single pixels, literal stretches of odd and even length and rows of odd
    // width decode to the same picture.
    art::IndexedImage img;
    img.w = 37;
    img.h = 5;
    for (std::uint32_t i = 0; i < 16; ++i) img.palette.push_back(i * 0x0F0E0D);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x)
            img.idx.push_back(
                static_cast<std::uint8_t>(x < 9 ? 3 : (x < 16 ? (x * 7 + y) % 16 : (x / 5 + y) % 16)));
    std::vector<std::uint32_t> want;
    for (std::uint8_t i : img.idx) want.push_back(img.palette[i]);
    for (int bits : {8, 4}) {
        auto file = art::EncodeBmpIndexed(img, bits, art::BmpCompression::Rle);
        tkp::image::BmpImage image;
        ASSERT_TRUE(decode(std::string(file.begin(), file.end()), &image)) << bits;
        EXPECT_EQ(image.width * 100 + image.height, 3705) << bits;
        EXPECT_EQ(image.pixels, want) << bits;
    }
}

// "channels/rate/bits" of a WAV that the sound loader takes, the loader's reason otherwise.
std::string pcmFormat(const std::string& b) {
    WAVEFORMATEX f{};
    DWORD size = 0;
    const char* reason = "";
    if (!DSParseWaveResource(b.data(), DWORD(b.size()), &f, nullptr, &size, &reason)) return reason;
    return std::to_string(f.nChannels) + "/" + std::to_string(f.nSamplesPerSec) + "/" +
           std::to_string(f.wBitsPerSample);
}

TEST(WavFiles, EveryCardSetPicturesSpokenName) {
    for (const std::string& folder : CardSetFolders()) {
        for (const std::string& bmp : FilesIn(folder, ".bmp")) {
            std::string wav = bmp.substr(0, bmp.size() - 4) + ".wav";
            std::string format = pcmFormat(tk_test::ReadFile(wav));
            EXPECT_TRUE(format == "1/22050/8" || format == "1/22050/16") << wav << ": " << format;
        }
        // No sound without its picture.
        EXPECT_EQ(FilesIn(folder, ".wav").size(), FilesIn(folder, ".bmp").size()) << folder;
    }
}

// Runs the generator into a fresh folder; every file it makes is byte-identical to the committed
// one under `committed`. Returns how many were compared.
int expectRegeneratedIdentical(const std::string& what, const std::string& committed) {
    tk_test::ScopedWorkDir dir;
    const std::string cmd = std::string("\"") + TK_RESGEN + "\" " + what + " \"" + dir.path() + "\"";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(dir.path())) {
        if (!e.is_regular_file()) continue;
        const std::string rel = fs::relative(e.path(), dir.path()).string();
        EXPECT_TRUE(fs::exists(RepoPath(committed + rel)) &&
                    tk_test::ReadFile(e.path().string()) == tk_test::ReadFile(RepoPath(committed + rel)))
            << rel;
        ++compared;
    }
    return compared;
}

TEST(Regenerate, ProgramResourcesAndCardSetPicturesAreByteIdentical) {
    // Three sheets, the icon and four sounds.
    EXPECT_EQ(expectRegeneratedIdentical("resources", "resources/"), 8);
    // And nothing committed is missing from what the tools make (sounds apart).
    int committed = 0;
    for (const std::string& folder : CardSetFolders())
        committed += static_cast<int>(PicturesIn(folder).size() + FilesIn(folder, ".faz").size());
    EXPECT_EQ(expectRegeneratedIdentical("cardsets", "cardsets/"), committed);
}

}  // namespace
}  // namespace tk_res_test
