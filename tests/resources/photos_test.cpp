// The bundled set of photo formats: every kind a phone or the web gives is there and decodes
// upright at the card's landscape size, and every name is spoken in an OGG file that the sound
// loader turns into 16-bit mono PCM of at most two seconds.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/dsound/sound_decode.h"
#include "platform/image/picture_decode.h"
#include "tests/resources/resource_files.h"

namespace tk_res_test {
namespace {

namespace fs = std::filesystem;

const std::uint8_t* bytesOf(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

// What kind of picture file it is, from its bytes: "JPEG", "JPEG progressive", "JPEG grey",
// "JPEG turned" (an EXIF orientation), "PNG <colour type>".
std::string kindOf(const std::string& b) {
    if (b.rfind("\x89PNG", 0) == 0) return "PNG " + std::to_string(static_cast<unsigned char>(b[25]));
    std::string kind = "JPEG";
    if (b.find("Exif") != std::string::npos) kind += " turned";
    for (std::size_t i = 2; i + 9 < b.size(); ++i) {
        if (b[i] != '\xFF') continue;
        if (b[i + 1] == '\xC2') return kind + " progressive";
        if (b[i + 1] == '\xC0') return kind + (b[i + 9] == 1 ? " grey" : "");
    }
    return kind;
}

TEST(PhotoCardSet, EveryKindDecodesUprightAndEachNameIsSpokenInOgg) {
    const std::string folder = RepoPath("cardsets/DATA_zvierata");
    ASSERT_TRUE(FilesIn(folder, ".bmp").empty());
    std::set<std::string> kinds;
    for (const std::string& path : PicturesIn(folder)) {
        SCOPED_TRACE(path);
        const std::string b = tk_test::ReadFile(path);
        kinds.insert(kindOf(b));
        tkp::image::BmpImage image;
        ASSERT_TRUE(tkp::image::DecodePictureFile(bytesOf(b), b.size(), &image, nullptr));
        EXPECT_EQ(image.width * 2, image.height * 3);

        const std::string ogg = tk_test::ReadFile(fs::path(path).replace_extension(".ogg").string());
        std::vector<std::uint8_t> wave;
        ASSERT_TRUE(tkp::dsound::DecodeSoundToWave(bytesOf(ogg), ogg.size(), &wave, nullptr));
        // The canonical header: mono, 22050 Hz, 16 bits; then at most two seconds of samples.
        const std::string w(wave.begin(), wave.end());
        EXPECT_EQ(Field(w, 22, 2) * 1000000 + Field(w, 24, 4), 1 * 1000000 + 22050u);
        EXPECT_LE(Field(w, 40, 4), 2u * 22050 * 2);
    }
    EXPECT_EQ(kinds, (std::set<std::string>{"JPEG", "JPEG progressive", "JPEG grey", "JPEG turned", "PNG 2",
                                            "PNG 3", "PNG 6"}));
    EXPECT_EQ(FilesIn(folder, ".ogg").size(), PicturesIn(folder).size());
}

}  // namespace
}  // namespace tk_res_test
