// The bundled card sets: well-formed BMP files of every kind the loader must read, RLE data that
// decodes to exactly the picture, and sets a child can play.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "tests/common/tk_test_files.h"
#include "tests/resources/bmp_reader.h"
#include "tests/resources/resource_files.h"
#include "tools/lib/bmp_write.h"

namespace tk_res_test {
namespace {

TEST(CardPictures, HeadersAreConsistent) {
    std::set<std::string> kinds;
    for (const std::string& folder : CardSetFolders()) {
        for (const std::string& path : FilesIn(folder, ".bmp")) {
            SCOPED_TRACE(path);
            std::string b = tk_test::ReadFile(path);
            BmpInfo info;
            ASSERT_TRUE(ReadBmpInfo(b, &info));
            EXPECT_EQ(info.fileSize, b.size());
            EXPECT_GT(info.width, 0);
            EXPECT_GT(info.height, 0);
            const std::uint32_t palette =
                info.bits <= 8 ? (info.colours ? info.colours : 1u << info.bits) : 0;
            EXPECT_LE(palette, info.bits <= 8 ? 1u << info.bits : 0u);
            EXPECT_EQ(info.offset, 54 + 4 * palette);
            if (info.compression == 0) {
                std::size_t stride = (static_cast<std::size_t>(info.width) * info.bits + 31) / 32 * 4;
                EXPECT_EQ(b.size(), info.offset + stride * info.height);
            } else {
                EXPECT_EQ(info.imageSize, b.size() - info.offset);
                std::vector<std::uint8_t> idx;
                int w = 0, h = 0;
                EXPECT_TRUE(DecodeRle(b, &idx, &w, &h));
                for (std::uint8_t v : idx) EXPECT_LT(v, palette);
            }
            kinds.insert(std::to_string(info.bits) + "/" + std::to_string(info.compression));
        }
    }
    // 24-bit, 8-bit and 4-bit palettes, RLE8 and RLE4 all appear.
    for (const char* k : {"24/0", "8/0", "4/0", "8/1", "4/2"}) EXPECT_EQ(kinds.count(k), 1u) << k;
}

TEST(CardPictures, RleEncodingDecodesToTheSamePicture) {
    // Runs, single pixels, literal stretches of odd and even length, rows of odd width.
    art::IndexedImage img;
    img.w = 37;
    img.h = 5;
    img.palette.assign(16, 0);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x)
            img.idx.push_back(
                static_cast<std::uint8_t>(x < 9 ? 3 : (x < 16 ? (x * 7 + y) % 16 : (x / 5 + y) % 16)));
    for (int bits : {8, 4}) {
        SCOPED_TRACE(bits);
        auto file = art::EncodeBmpIndexed(img, bits, art::BmpCompression::Rle);
        std::vector<std::uint8_t> idx;
        int w = 0, h = 0;
        ASSERT_TRUE(DecodeRle(std::string(file.begin(), file.end()), &idx, &w, &h));
        EXPECT_EQ(w, img.w);
        EXPECT_EQ(h, img.h);
        EXPECT_EQ(idx, img.idx);
    }
}

TEST(CardPictures, SetsAreComplete) {
    auto folders = CardSetFolders();
    ASSERT_GE(folders.size(), 2u);
    bool longName = false, spriteSheet = false;
    for (const std::string& folder : folders) {
        SCOPED_TRACE(folder);
        auto pictures = FilesIn(folder, ".bmp");
        EXPECT_GE(pictures.size(), 8u);
        EXPECT_LE(pictures.size(), 12u);
        for (const std::string& p : pictures) {
            std::string name = std::filesystem::path(p).stem().string();
            // The game lists neither "rezia..." nor "sprit..." pictures.
            EXPECT_NE(name.rfind("rezia", 0), 0u);
            EXPECT_NE(name.rfind("sprit", 0), 0u);
            longName = longName || name.size() >= 12;
        }
        for (const std::string& marker : FilesIn(folder, ".faz")) {
            spriteSheet = true;
            EXPECT_TRUE(std::filesystem::exists(marker.substr(0, marker.size() - 4) + ".bmp"));
        }
    }
    EXPECT_TRUE(longName) << "one name must be long enough to need a narrowed font";
    EXPECT_TRUE(spriteSheet);
}

}  // namespace
}  // namespace tk_res_test
