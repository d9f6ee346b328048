// The BMP decoder: every variant to exact pixels and pixel offsets, and every kind of malformed
// file or packed bitmap refused with its reason, never reading outside the bytes.
#include "platform/image/bmp_decode.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/common/tk_test_bmp.h"

namespace {

using namespace std::string_literals;

using tk_test::File;
using tk_test::Picture;
using tk_test::Rows;
using Pixels = std::vector<std::uint32_t>;

// Decodes into a fresh image from an exact-size heap copy, so that AddressSanitizer sees any read
// past the end; a packed bitmap when packed. Checks that a success holds every pixel and a
// refusal none.
bool decode(const std::string& bytes, const char** reason, bool packed = false,
            tkp::image::BmpImage* out = nullptr) {
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    const std::uint8_t* data = copy.empty() ? nullptr : copy.data();
    tkp::image::BmpImage img;
    const bool ok = packed ? tkp::image::DecodeDib(data, copy.size(), &img, reason)
                           : tkp::image::DecodeBmpFile(data, copy.size(), &img, reason);
    EXPECT_EQ(img.pixels.size(), ok ? std::size_t(img.width) * std::size_t(img.height) : 0u);
    if (out) *out = img;
    return ok;
}

std::string variant(const std::string& name) {
    for (const auto& v : tk_test::Variants())
        if (v.name == name) return v.file;
    ADD_FAILURE() << "no variant " << name;
    return {};
}

std::string withField(std::string file, std::size_t offset, std::uint32_t value) {
    std::string v;
    tk_test::Put32(v, value);
    return file.replace(offset, 4, v);
}

TEST(BmpDecode, EveryVariantDecodesToExactPixels) {
    // 5-6-5 bit fields after a 40-byte header, top-down, and inside a 52-byte header:
    // green 32 of 63 is 130.
    // clang-format off
    Picture fields{.w = 2, .h = -1, .bpp = 16, .comp = 3, .masks = {0xF800, 0x07E0, 0x001F},
                   .data = "\x00\x04\x1F\x00"s};
    const std::string fields40 = File(fields);
    fields.header = 52;
    const std::string fields52 = File(fields);
    // A file whose offset cuts its 256-colour palette short reads the entries that are there.
    const Picture twoColours{.w = 2, .bpp = 8, .pal = {0x010203, 0x040506}, .data = Rows({"\x01\x00"s})};
    std::string cutPalette = File(twoColours);
    cutPalette[10] = char(14 + 40 + 4);
    cutPalette.erase(14 + 40 + 4, 4);
    // The last row may lack its padding.
    const std::string shortPad = variant("24bit").substr(0, variant("24bit").size() - 3);
    // 16 bits without masks are 5-5-5, widened with rounding: 16 of 31 is 132.
    const std::string rgb555 = File({.w = 4, .bpp = 16, .data = "\xFF\x7F\x00\x7C\x10\x00\xFF\xFF"s});
    // 32 bits without bit fields ignore the top byte and a V4 header's masks.
    const std::string v4 = File({.header = 108, .w = 2, .bpp = 32, .masks = {0xFF, 0xFF00, 0xFF0000},
                                 .data = "\x01\x02\x03\xFF\x04\x05\x06\x00"s});
    // 10-bit channels: green 512 of 1023 is 128, so is blue.
    Picture wide{.w = 2, .bpp = 32, .comp = 3, .masks = {0x3FF00000, 0x000FFC00, 0x000003FF}};
    tk_test::Put32(wide.data, 0x3FF00000);
    tk_test::Put32(wide.data, 0x00080200);
    // A delta across rows, and data that ends after the last row without an end code; an odd
    // RLE4 literal of 5 nibbles takes 3 bytes and one pad byte.
    const std::vector<std::uint32_t> grey = {0x111111, 0x222222};
    const std::string delta = File({.w = 2, .h = 3, .bpp = 8, .comp = 1, .pal = grey,
                                    .data = "\x00\x02\x01\x01\x01\x01\x00\x00\x02\x00"s});
    const std::string oddLiteral = File({.w = 5, .bpp = 4, .comp = 2, .pal = grey,
                                         .data = "\x00\x05\x01\x10\x10\x00\x00\x01"s});
    const std::uint32_t A = 0x112233, B = 0xAABBCC, E = 0xEEEEEE;
    struct Case {
        std::string file;
        std::string shape;  // width x height @ bits per pixel
        Pixels pixels;
    };
    const Case cases[] = {
        // The top row second; 5 is past the palette.
        {variant("1bit"), "10x2@1", {A, A, A, A, B, B, B, B, B, B, B, A, B, A, A, B, A, B, B, A}},
        {variant("4bit"), "3x2@4", {0x300000, 0x002000, 0, 0x000010, 0x002000, 0x300000}},
        {variant("8bit"), "3x2@8", {0x300000, 0x002000, 0x000010, 0x000010, 0x002000, 0x300000}},
        {variant("core8"), "2x1@8", {0x0000FF, 0xABCDEF}},  // the core header's palette has 3-byte entries
        {variant("24bit"), "3x2@24", {E, E, E, 0x030201, 0x060504, 0x090807}},
        {shortPad, "3x2@24", {E, E, E, 0x030201, 0x060504, 0x090807}},
        {rgb555, "4x1@16", {0xFFFFFF, 0xFF0000, 0x000084, 0xFFFFFF}},
        {fields40, "2x1@16", {0x008200, 0x0000FF}},
        {fields52, "2x1@16", {0x008200, 0x0000FF}},
        {variant("32bit_v5"), "1x1@32", {0x112233}},
        {v4, "2x1@32", {0x030201, 0x060504}},
        {File(wide), "2x1@32", {0xFF0000, 0x008080}},
        // Skipped pixels are black; index 0 is blue here, so they differ.
        {variant("rle8"), "4x2@8", {0, 0x00FF00, 0x00FF00, 0, 0xFF0000, 0x00FF00, 0x0000FF, 0}},
        {variant("rle4"), "4x2@4", {0x00FF00, 0xFF0000, 0x00FF00, 0, 0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00}},
        {delta, "2x3@8", {0x111111, 0x111111, 0, 0x222222, 0, 0}},
        {oddLiteral, "5x1@4", {0x111111, 0x222222, 0x222222, 0x111111, 0x222222}},
        {File(twoColours, 6), "2x1@8", {0x040506, 0x010203}},  // a gap before the pixels
        {cutPalette, "2x1@8", {0, 0x010203}},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        tkp::image::BmpImage img;
        const char* reason = "";
        ASSERT_TRUE(decode(cases[i].file, &reason, false, &img)) << "case " << i << ": " << reason;
        EXPECT_EQ(std::to_string(img.width) + "x" + std::to_string(img.height) + "@" +
                      std::to_string(img.bitsPerPixel),
                  cases[i].shape)
            << "case " << i;
        EXPECT_EQ(img.pixels, cases[i].pixels) << "case " << i;
    }
}

// (Packed bitmaps are the program's own sheets, 24 bits without a palette, found as resources:
// the sheet loader's test reads their pixels.)
TEST(BmpDecode, EveryMalformedPictureIsRefusedWithItsReason) {
    const std::string good =
        File({.w = 2, .h = 2, .data = Rows({"\x01\x02\x03\x04\x05\x06"s, "\x07\x08\x09\x0A\x0B\x0C"s})});
    const auto rle8 = [](const std::string& data) {
        return File({.w = 4, .h = 2, .bpp = 8, .comp = 1, .pal = {0x112233}, .used = 1, .data = data});
    };
    const auto fields = [](std::uint32_t green) {
        return Picture{.bpp = 16, .comp = 3, .masks = {0xF800, green, 0x1F}, .data = "\0\0\0\0"s};
    };
    const std::vector<std::uint32_t> black16(16, 0);
    struct Case {
        const char* what;
        std::string bytes;
        const char* reason;
        bool packed = false;
    };
    const Case cases[] = {
        {"empty", "", "truncated file header"},
        {"no signature", "XY" + good.substr(2), "not a BMP file"},
        {"file header only", good.substr(0, 16), "truncated header"},
        {"cut inside the info header", good.substr(0, 40), "truncated header"},
        {"header size 20", withField(good, 14, 20), "unknown header size"},
        {"negative width", withField(good, 18, 0xFFFFFFFE), "zero or negative size"},
        {"height 0", withField(good, 22, 0), "zero or negative size"},
        {"most negative height", withField(good, 22, 0x80000000), "picture too large"},
        {"width 16385", withField(good, 18, 16385), "picture too large"},
        {"height 16385", withField(good, 22, 16385), "picture too large"},
        {"65 Mi pixels", withField(withField(good, 18, 16384), 22, 4097), "picture too large"},
        {"2 bits per pixel", withField(good, 26, 0x00020001), "unsupported bits per pixel"},
        {"JPEG compression", withField(good, 30, 4), "unsupported compression"},
        {"RLE8 on 24 bits", withField(good, 30, 1), "RLE8 needs 8 bits per pixel"},
        {"RLE4 on 24 bits", withField(good, 30, 2), "RLE4 needs 4 bits per pixel"},
        {"bit fields on 24 bits", withField(good, 30, 3), "bit fields need 16 or 32 bits per pixel"},
        {"pixel offset past the end", withField(good, 10, 4000),
         "pixel data offset past the end of the file"},
        {"pixel offset inside the header", withField(good, 10, 20), "pixel data offset inside the header"},
        {"one byte short", good.substr(0, good.size() - 3), "pixel data shorter than its rows"},
        {"core header with 32 bits", File({.header = 12, .bpp = 32, .data = "\0\0\0\0"s}),
         "unsupported bits per pixel"},
        {"zero mask", File(fields(0)), "bad bit-field mask"},
        {"mask in two runs", File(fields(0x0660)), "bad bit-field mask"},
        {"mask outside 16 bits", File(fields(0x1F0000)), "bad bit-field mask"},
        {"masks cut off", tk_test::Dib(fields(0x07E0)).substr(0, 46), "truncated bit-field masks", true},
        {"17 colours at 4 bits", File({.bpp = 4, .used = 17, .data = "\0\0\0\0"s}),
         "more palette colours than the depth allows"},
        {"palette cut off", tk_test::Dib({.bpp = 4, .pal = black16}).substr(0, 40 + 60), "truncated palette",
         true},
        {"top-down RLE", File({.h = -1, .bpp = 8, .comp = 1, .pal = black16, .data = "\0\0\0\0"s}),
         "top-down compressed bitmap"},
        {"RLE run past the row", rle8("\x05\x00\x00\x01"s), "RLE run past the row"},
        {"RLE literal past the row", rle8("\x02\x00\x00\x03\x00\x00\x00\x00"s), "RLE run past the row"},
        {"RLE run after the last line", rle8("\x00\x00\x00\x00\x01\x00"s), "RLE run past the picture"},
        {"RLE line end after the last line", rle8("\x00\x00\x00\x00\x00\x00"s),
         "RLE line end past the picture"},
        {"RLE delta past the row", rle8("\x00\x02\x05\x00\x00\x01"s), "RLE delta past the picture"},
        {"RLE delta past the rows", rle8("\x00\x02\x00\x03\x00\x01"s), "RLE delta past the picture"},
        {"RLE data ends early", rle8("\x04\x00\x00\x00"s), "RLE data ends inside the picture"},
        {"RLE data ends in a delta", rle8("\x00\x02\x01"s), "RLE data ends inside a delta"},
        {"RLE data ends in a literal", rle8("\x00\x04\x00\x00"s), "RLE data ends inside a literal run"},
        {"no packed bitmap", "", "truncated header", true},
    };
    for (const Case& c : cases) {
        const char* reason = nullptr;
        EXPECT_FALSE(decode(c.bytes, &reason, c.packed)) << c.what;
        EXPECT_STREQ(reason, c.reason) << c.what;
    }
}

// Every prefix of every accepted picture, and every byte of its headers set to extreme values,
// decodes or is refused without reading outside the bytes (checked under AddressSanitizer).
TEST(BmpDecode, CutAndDamagedPicturesNeverReadOutside) {
    for (const auto& v : tk_test::Variants()) {
        const char* reason = nullptr;
        ASSERT_TRUE(decode(v.file, &reason)) << v.name << ": " << reason;
        ASSERT_TRUE(decode(v.file.substr(14), &reason, true)) << v.name << ": " << reason;
        for (std::size_t n = 0; n < v.file.size(); ++n) decode(v.file.substr(0, n), &reason);
        for (std::size_t i = 0; i < v.file.size(); ++i) {
            for (char value : {'\x00', '\x01', '\x7F', '\x80', '\xFF'}) {
                std::string damaged = v.file;
                damaged[i] = value;
                decode(damaged, &reason);
                decode(damaged.substr(14), &reason, true);
            }
        }
    }
}

}  // namespace
