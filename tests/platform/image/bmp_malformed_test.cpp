#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/image/bmp_decode.h"
#include "tests/platform/image/bmp_builder.h"

namespace {

using bmp_test::Picture;
using namespace std::string_literals;

// Decodes from an exact-size heap copy, so that AddressSanitizer sees any read past the end.
bool decode(const std::string& bytes, bool packed, const char** reason) {
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
    tkp_BmpImage img;
    const std::uint8_t* data = copy.empty() ? nullptr : copy.data();
    const bool ok = packed ? tkp_DecodeDib(data, copy.size(), &img, reason)
                           : tkp_DecodeBmpFile(data, copy.size(), &img, reason);
    if (ok) {
        EXPECT_EQ(img.pixels.size(), std::size_t(img.width) * std::size_t(img.height));
    } else {
        EXPECT_TRUE(img.pixels.empty());
    }
    return ok;
}

Picture small24() {
    Picture p;
    p.width = 2;
    p.height = 2;
    p.pixels = bmp_test::Rows({"\x01\x02\x03\x04\x05\x06"s, "\x07\x08\x09\x0A\x0B\x0C"s});
    return p;
}

Picture rle8(const std::string& data, int width = 4, int height = 2) {
    Picture p;
    p.width = width;
    p.height = height;
    p.bitsPerPixel = 8;
    p.compression = 1;
    p.palette = {0x112233};
    p.colorsUsed = 1;
    p.pixels = data;
    return p;
}

std::string withField(std::string file, std::size_t offset, std::uint32_t value) {
    std::string v;
    bmp_test::put32(v, value);
    file.replace(offset, 4, v);
    return file;
}

struct Case {
    const char* what;
    std::string bytes;
    const char* reason;
    bool packed = false;
};

std::vector<Case> malformed() {
    const std::string good = bmp_test::File(small24());
    std::vector<Case> cases;
    cases.push_back({"empty", "", "truncated file header"});
    cases.push_back({"13 bytes", good.substr(0, 13), "truncated file header"});
    cases.push_back({"no signature", "XY" + good.substr(2), "not a BMP file"});
    cases.push_back({"file header only", good.substr(0, 16), "truncated header"});
    cases.push_back({"cut inside the info header", good.substr(0, 40), "truncated header"});
    cases.push_back({"header size 20", withField(good, 14, 20), "unknown header size"});
    cases.push_back({"header size 0", withField(good, 14, 0), "unknown header size"});
    cases.push_back({"header size past the file", withField(good, 14, 124), "truncated header"});
    cases.push_back({"width 0", withField(good, 18, 0), "zero or negative size"});
    cases.push_back({"negative width", withField(good, 18, 0xFFFFFFFE), "zero or negative size"});
    cases.push_back({"height 0", withField(good, 22, 0), "zero or negative size"});
    cases.push_back({"most negative height", withField(good, 22, 0x80000000), "picture too large"});
    cases.push_back({"width 16385", withField(good, 18, 16385), "picture too large"});
    cases.push_back({"height 16385", withField(good, 22, 16385), "picture too large"});
    cases.push_back({"65 Mi pixels", withField(withField(good, 18, 16384), 22, 4097), "picture too large"});
    cases.push_back({"32-bit overflow of width x height x depth",
                     withField(withField(good, 18, 0x10000), 22, 0x10000), "picture too large"});
    cases.push_back({"2 bits per pixel", withField(good, 26, 0x00020001), "unsupported bits per pixel"});
    cases.push_back({"0 bits per pixel", withField(good, 26, 0x00000001), "unsupported bits per pixel"});
    cases.push_back({"JPEG compression", withField(good, 30, 4), "unsupported compression"});
    cases.push_back({"RLE8 on 24 bits", withField(good, 30, 1), "RLE8 needs 8 bits per pixel"});
    cases.push_back({"RLE4 on 24 bits", withField(good, 30, 2), "RLE4 needs 4 bits per pixel"});
    cases.push_back(
        {"bit fields on 24 bits", withField(good, 30, 3), "bit fields need 16 or 32 bits per pixel"});
    cases.push_back({"pixel offset past the end", withField(good, 10, 4000),
                     "pixel data offset past the end of the file"});
    cases.push_back(
        {"pixel offset inside the header", withField(good, 10, 20), "pixel data offset inside the header"});
    cases.push_back({"headers only", good.substr(0, 54), "pixel data shorter than its rows"});
    cases.push_back({"one byte short", good.substr(0, good.size() - 3), "pixel data shorter than its rows"});

    Picture core = small24();
    core.headerSize = 12;
    core.bitsPerPixel = 32;
    cases.push_back({"core header with 32 bits", bmp_test::File(core), "unsupported bits per pixel"});

    Picture fields;
    fields.width = 1;
    fields.height = 1;
    fields.bitsPerPixel = 16;
    fields.compression = 3;
    fields.masks[0] = 0xF800;
    fields.masks[1] = 0;
    fields.masks[2] = 0x1F;
    fields.pixels = "\0\0\0\0"s;
    cases.push_back({"zero mask", bmp_test::File(fields), "bad bit-field mask"});
    fields.masks[1] = 0x0660;
    cases.push_back({"mask in two runs", bmp_test::File(fields), "bad bit-field mask"});
    fields.masks[1] = 0x1F0000;
    cases.push_back({"mask outside 16 bits", bmp_test::File(fields), "bad bit-field mask"});
    fields.masks[1] = 0x07E0;
    cases.push_back(
        {"masks cut off", bmp_test::Dib(fields).substr(0, 46), "truncated bit-field masks", true});

    Picture pal;
    pal.width = 1;
    pal.height = 1;
    pal.bitsPerPixel = 4;
    pal.colorsUsed = 17;
    pal.pixels = "\0\0\0\0"s;
    cases.push_back(
        {"17 colours at 4 bits", bmp_test::File(pal), "more palette colours than the depth allows"});
    pal.colorsUsed = 0;
    pal.palette.assign(16, 0);
    cases.push_back({"palette cut off", bmp_test::Dib(pal).substr(0, 40 + 60), "truncated palette", true});
    pal.bitsPerPixel = 8;
    pal.compression = 1;
    pal.height = -1;
    cases.push_back({"top-down RLE", bmp_test::File(pal), "top-down compressed bitmap"});

    cases.push_back(
        {"RLE run past the row", bmp_test::File(rle8("\x05\x00\x00\x01"s)), "RLE run past the row"});
    cases.push_back({"RLE literal past the row", bmp_test::File(rle8("\x02\x00\x00\x03\x00\x00\x00\x00"s)),
                     "RLE run past the row"});
    cases.push_back({"RLE run after the last line", bmp_test::File(rle8("\x00\x00\x00\x00\x01\x00"s)),
                     "RLE run past the picture"});
    cases.push_back({"RLE line end after the last line", bmp_test::File(rle8("\x00\x00\x00\x00\x00\x00"s)),
                     "RLE line end past the picture"});
    cases.push_back({"RLE delta past the row", bmp_test::File(rle8("\x00\x02\x05\x00\x00\x01"s)),
                     "RLE delta past the picture"});
    cases.push_back({"RLE delta past the rows", bmp_test::File(rle8("\x00\x02\x00\x03\x00\x01"s)),
                     "RLE delta past the picture"});
    cases.push_back({"RLE data ends early", bmp_test::File(rle8("\x04\x00\x00\x00"s)),
                     "RLE data ends inside the picture"});
    cases.push_back(
        {"RLE data ends in a delta", bmp_test::File(rle8("\x00\x02\x01"s)), "RLE data ends inside a delta"});
    cases.push_back({"RLE data ends in a literal", bmp_test::File(rle8("\x00\x04\x00\x00"s)),
                     "RLE data ends inside a literal run"});
    cases.push_back({"RLE without data", bmp_test::File(rle8("")), "RLE data ends inside the picture"});
    return cases;
}

TEST(BmpMalformedTest, EveryMalformedPictureIsRefusedWithItsReason) {
    for (const Case& c : malformed()) {
        const char* reason = nullptr;
        EXPECT_FALSE(decode(c.bytes, c.packed, &reason)) << c.what;
        EXPECT_STREQ(reason, c.reason) << c.what;
    }
    tkp_BmpImage img;
    const char* reason = nullptr;
    EXPECT_FALSE(tkp_DecodeDib(nullptr, 0, &img, &reason));
    EXPECT_STREQ(reason, "truncated header");
}

// Every prefix of every accepted picture, and every byte of its headers set to extreme values,
// decodes or is refused without reading outside the bytes (checked under AddressSanitizer).
TEST(BmpMalformedTest, CutAndDamagedPicturesNeverReadOutside) {
    for (const auto& v : bmp_test::Variants()) {
        const char* reason = nullptr;
        ASSERT_TRUE(decode(v.file, false, &reason)) << v.name << ": " << reason;
        ASSERT_TRUE(decode(v.file.substr(14), true, &reason)) << v.name << ": " << reason;
        for (std::size_t n = 0; n < v.file.size(); ++n) decode(v.file.substr(0, n), false, &reason);
        for (std::size_t i = 0; i < v.file.size(); ++i) {
            for (char value : {'\x00', '\x01', '\x7F', '\x80', '\xFF'}) {
                std::string damaged = v.file;
                damaged[i] = value;
                decode(damaged, false, &reason);
                decode(damaged.substr(14), true, &reason);
            }
        }
    }
}

}  // namespace
