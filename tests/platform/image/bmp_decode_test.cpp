#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/bmp_decode.h"
#include "tests/platform/image/bmp_builder.h"

namespace {

using namespace std::string_literals;

using bmp_test::Picture;
using bmp_test::Rows;
using Pixels = std::vector<std::uint32_t>;

// Decodes from an exact-size heap copy, so that AddressSanitizer sees any read past the end.
bool decodeFile(const std::string& bytes, tkp_BmpImage* out, const char** reason = nullptr) {
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    const char* ignored = nullptr;
    return tkp_DecodeBmpFile(copy.empty() ? nullptr : copy.data(), copy.size(), out,
                             reason ? reason : &ignored);
}

bool decodeDib(const std::string& bytes, tkp_BmpImage* out, const char** reason = nullptr) {
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    const char* ignored = nullptr;
    return tkp_DecodeDib(copy.empty() ? nullptr : copy.data(), copy.size(), out, reason ? reason : &ignored);
}

Pixels pixelsOf(const std::string& file, int w, int h, int bpp) {
    tkp_BmpImage img;
    const char* reason = "";
    if (!decodeFile(file, &img, &reason)) {
        ADD_FAILURE() << "refused: " << reason;
        return {};
    }
    EXPECT_EQ(img.width, w);
    EXPECT_EQ(img.height, h);
    EXPECT_EQ(img.bitsPerPixel, bpp);
    return img.pixels;
}

std::string variant(const std::string& name) {
    for (const auto& v : bmp_test::Variants())
        if (v.name == name) return v.file;
    ADD_FAILURE() << "no variant " << name;
    return {};
}

TEST(BmpDecodeTest, IndexedDepthsAndTheirPalettes) {
    EXPECT_EQ(
        pixelsOf(variant("1bit"), 10, 2, 1),
        (Pixels{0x112233, 0x112233, 0x112233, 0x112233, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC, 0xAABBCC,
                0xAABBCC,  // top row, stored second
                0xAABBCC, 0x112233, 0xAABBCC, 0x112233, 0x112233, 0xAABBCC, 0x112233, 0xAABBCC, 0xAABBCC,
                0x112233}));
    // Index 5 lies past the three colours in use: black.
    EXPECT_EQ(pixelsOf(variant("4bit"), 3, 2, 4),
              (Pixels{0x300000, 0x002000, 0, 0x000010, 0x002000, 0x300000}));
    EXPECT_EQ(pixelsOf(variant("8bit"), 3, 2, 8),
              (Pixels{0x300000, 0x002000, 0x000010, 0x000010, 0x002000, 0x300000}));
    // The core header's palette has 3-byte entries.
    EXPECT_EQ(pixelsOf(variant("core8"), 2, 1, 8), (Pixels{0x0000FF, 0xABCDEF}));

    Picture core1;
    core1.headerSize = 12;
    core1.width = 3;
    core1.height = 1;
    core1.bitsPerPixel = 1;
    core1.palette = {0xFFFFFF, 0x123456};
    core1.pixels = Rows({"\x40"s});
    EXPECT_EQ(pixelsOf(bmp_test::File(core1), 3, 1, 1), (Pixels{0xFFFFFF, 0x123456, 0xFFFFFF}));
}

TEST(BmpDecodeTest, TrueColourDepthsMasksAndRowOrder) {
    const Pixels top = {0xEEEEEE, 0xEEEEEE, 0xEEEEEE};
    const Pixels bottom = {0x030201, 0x060504, 0x090807};
    Pixels bottomUp = top;
    bottomUp.insert(bottomUp.end(), bottom.begin(), bottom.end());
    Pixels topDown = bottom;
    topDown.insert(topDown.end(), top.begin(), top.end());
    EXPECT_EQ(pixelsOf(variant("24bit"), 3, 2, 24), bottomUp);
    EXPECT_EQ(pixelsOf(variant("24bit_topdown"), 3, 2, 24), topDown);
    EXPECT_EQ(pixelsOf(variant("16bit_565"), 2, 1, 16), (Pixels{0xFF0000, 0x00FF00}));
    EXPECT_EQ(pixelsOf(variant("32bit_v5"), 1, 1, 32), (Pixels{0x112233}));

    // 16 bits without masks are 5-5-5, widened with rounding: 16 of 31 is 132.
    Picture p;
    p.width = 4;
    p.height = 1;
    p.bitsPerPixel = 16;
    p.pixels = std::string("\xFF\x7F\x00\x7C\x10\x00\xFF\xFF", 8);
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 4, 1, 16), (Pixels{0xFFFFFF, 0xFF0000, 0x000084, 0xFFFFFF}));
    // 5-6-5 masks after a 40-byte header: green 32 of 63 is 130; top-down bit fields are fine.
    p.compression = 3;
    p.masks[0] = 0xF800;
    p.masks[1] = 0x07E0;
    p.masks[2] = 0x001F;
    p.width = 2;
    p.height = -1;
    p.pixels = std::string("\x00\x04\x1F\x00", 4);
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 2, 1, 16), (Pixels{0x008200, 0x0000FF}));
    // The same masks held by 52- and 56-byte headers.
    p.headerSize = 52;
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 2, 1, 16), (Pixels{0x008200, 0x0000FF}));
    p.headerSize = 56;
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 2, 1, 16), (Pixels{0x008200, 0x0000FF}));

    // 32 bits without masks: the top byte is ignored. A V4 header's masks count only with bit fields.
    Picture q;
    q.headerSize = 108;
    q.width = 2;
    q.height = 1;
    q.bitsPerPixel = 32;
    q.masks[0] = 0xFF;
    q.masks[1] = 0xFF00;
    q.masks[2] = 0xFF0000;
    q.pixels = std::string("\x01\x02\x03\xFF\x04\x05\x06\x00", 8);
    EXPECT_EQ(pixelsOf(bmp_test::File(q), 2, 1, 32), (Pixels{0x030201, 0x060504}));
    // Masks wider than 8 bits: 10-bit channels.
    q.compression = 3;
    q.headerSize = 40;
    q.masks[0] = 0x3FF00000;
    q.masks[1] = 0x000FFC00;
    q.masks[2] = 0x000003FF;
    q.pixels.clear();
    bmp_test::put32(q.pixels, 0x3FF00000);
    bmp_test::put32(q.pixels, 0x00080200);  // green 512 of 1023 -> 128, blue 512 -> 128
    EXPECT_EQ(pixelsOf(bmp_test::File(q), 2, 1, 32), (Pixels{0xFF0000, 0x008080}));

    Picture core;
    core.headerSize = 12;
    core.width = 1;
    core.height = 2;
    core.pixels = Rows({"\x01\x02\x03"s, "\x04\x05\x06"s});
    EXPECT_EQ(pixelsOf(bmp_test::File(core), 1, 2, 24), (Pixels{0x060504, 0x030201}));
}

TEST(BmpDecodeTest, RunLengthEncodedWithDeltasAndLineEnds) {
    // Skipped pixels are black; index 0 is blue here, so they differ.
    EXPECT_EQ(pixelsOf(variant("rle8"), 4, 2, 8),
              (Pixels{0, 0x00FF00, 0x00FF00, 0, 0xFF0000, 0x00FF00, 0x0000FF, 0}));
    EXPECT_EQ(pixelsOf(variant("rle4"), 4, 2, 4),
              (Pixels{0x00FF00, 0xFF0000, 0x00FF00, 0, 0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00}));

    // A delta across rows, and data that ends after the last row without an end code.
    Picture p;
    p.width = 2;
    p.height = 3;
    p.bitsPerPixel = 8;
    p.compression = 1;
    p.palette = {0x111111, 0x222222};
    p.pixels = std::string("\x00\x02\x01\x01\x01\x01\x00\x00\x02\x00", 10);
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 2, 3, 8), (Pixels{0x111111, 0x111111, 0, 0x222222, 0, 0}));
    // An odd RLE4 literal of 5 nibbles takes 3 bytes and one pad byte.
    p.width = 5;
    p.height = 1;
    p.bitsPerPixel = 4;
    p.compression = 2;
    p.pixels = std::string("\x00\x05\x01\x10\x10\x00\x00\x01", 8);
    EXPECT_EQ(pixelsOf(bmp_test::File(p), 5, 1, 4),
              (Pixels{0x111111, 0x222222, 0x222222, 0x111111, 0x222222}));
}

TEST(BmpDecodeTest, PackedBitmapsAndPixelOffsets) {
    // A resource: masks after the 40-byte header, then the pixels straight away.
    Picture p;
    p.width = 1;
    p.height = 1;
    p.bitsPerPixel = 16;
    p.compression = 3;
    p.masks[0] = 0xF800;
    p.masks[1] = 0x07E0;
    p.masks[2] = 0x001F;
    p.pixels = std::string("\x1F\x00\x00\x00", 4);
    tkp_BmpImage img;
    ASSERT_TRUE(decodeDib(bmp_test::Dib(p), &img));
    EXPECT_EQ(img.pixels, Pixels{0x0000FF});
    // An 8-bit resource whose palette counts 2 colours: the pixels start after 2 entries.
    Picture q;
    q.width = 2;
    q.height = 1;
    q.bitsPerPixel = 8;
    q.palette = {0x010203, 0x040506};
    q.colorsUsed = 2;
    q.pixels = Rows({"\x01\x00"s});
    ASSERT_TRUE(decodeDib(bmp_test::Dib(q), &img));
    EXPECT_EQ(img.pixels, (Pixels{0x040506, 0x010203}));
    // A 24-bit resource with an optional palette of 1 entry that is skipped.
    Picture r;
    r.width = 1;
    r.height = 1;
    r.colorsUsed = 1;
    r.palette = {0x999999};
    r.pixels = Rows({"\x0A\x0B\x0C"s});
    ASSERT_TRUE(decodeDib(bmp_test::Dib(r), &img));
    EXPECT_EQ(img.pixels, Pixels{0x0C0B0A});

    // A file with a gap before its pixels reads them at the stated offset.
    EXPECT_EQ(pixelsOf(bmp_test::File(q, 6), 2, 1, 8), (Pixels{0x040506, 0x010203}));
    // A file whose offset cuts its 256-colour palette short reads the entries that are there.
    q.colorsUsed = 0;
    std::string file = bmp_test::File(q);
    file[10] = char(14 + 40 + 4);  // the pixels right after one entry
    file.erase(14 + 40 + 4, 4);
    EXPECT_EQ(pixelsOf(file, 2, 1, 8), (Pixels{0, 0x010203}));
    // The last row may lack its padding.
    std::string shortPad = variant("24bit");
    shortPad.resize(shortPad.size() - 3);
    EXPECT_EQ(pixelsOf(shortPad, 3, 2, 24).size(), 6u);
}

}  // namespace
