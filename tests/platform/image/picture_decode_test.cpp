// PNG and JPEG pictures: every PNG kind flattened onto white and cut to 8 bits, JPEG kinds,
// the eight EXIF orientations, and damaged or oversized files refused with a reason (which
// LoadImageA passes on to the debugger output: the loader test's).
#include <png.h>
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/image/exif_orientation.h"
#include "platform/image/picture_decode.h"
#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_pictures.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;
constexpr std::uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;

bool decode(const std::string& file, tkp::image::BmpImage* image, const char** reason = nullptr) {
    return tkp::image::DecodePictureFile(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(),
                                         image, reason);
}

// Each channel of each pixel within tolerance of the expected colour.
bool near(const Pixels& got, const Pixels& want, int tolerance) {
    if (got.size() != want.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i)
        for (int shift : {16, 8, 0})
            if (std::abs(int((got[i] >> shift) & 0xFF) - int((want[i] >> shift) & 0xFF)) > tolerance)
                return false;
    return true;
}

TEST(PngDecode, EveryKindComesOutAsRgbFlattenedOntoWhite) {
    struct Case {
        const char* what;
        int w, colourType, depth;
        Bytes row;
        Pixels palette;
        Bytes alpha;
        Pixels want;
    };
    // clang-format off
    const Case cases[] = {
        {"palette, entry 0 half transparent", 3, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2},
         {0xFF0000, 0x0000FF, 0x00FF00}, {128, 255}, {0xFF7F7F, 0x0000FF, 0x00FF00}},
        {"2-bit palette", 4, PNG_COLOR_TYPE_PALETTE, 2, {0b00011011},
         {0x101010, 0x202020, 0x303030, 0x404040}, {}, {0x101010, 0x202020, 0x303030, 0x404040}},
        {"1-bit grey", 3, PNG_COLOR_TYPE_GRAY, 1, {0b10100000}, {}, {}, {W, 0x000000, W}},
        {"8-bit grey", 3, PNG_COLOR_TYPE_GRAY, 8, {0, 100, 255}, {}, {}, {0x000000, 0x646464, W}},
        {"grey with alpha", 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {50, 0, 50, 255}, {}, {}, {W, 0x323232}},
        {"RGBA", 3, PNG_COLOR_TYPE_RGB_ALPHA, 8, {10, 20, 30, 255, 10, 20, 30, 0, 200, 0, 0, 128}, {}, {},
         {0x0A141E, W, 0xE37F7F}},
        {"16-bit RGB", 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0xAB, 0xCD, 0xFF, 0xFF}, {}, {}, {0x12ABFF}},
        {"16-bit grey with alpha", 2, PNG_COLOR_TYPE_GRAY_ALPHA, 16, {0x80, 0x80, 0xFF, 0xFF, 0, 0, 0, 0}, {}, {},
         {0x808080, W}},
    };
    // clang-format on
    // Two equal rows, so that the second one is read at its own place.
    const auto twice = [](const auto& v) {
        auto both = v;
        both.insert(both.end(), v.begin(), v.end());
        return both;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tkp::image::BmpImage image;
        ASSERT_TRUE(decode(tk_test::PngFile(c.w, 2, c.colourType, c.depth, twice(c.row), c.palette, c.alpha),
                           &image));
        ASSERT_EQ(image.width * 10 + image.height, c.w * 10 + 2);
        EXPECT_TRUE(near(image.pixels, twice(c.want), 1)) << ::testing::PrintToString(image.pixels);
    }
}

// 32 x 16 in four flat quadrants: red, green over blue, white.
Pixels quadrants() {
    Pixels p;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) p.push_back(y < 8 ? (x < 16 ? R : G) : (x < 16 ? B : W));
    return p;
}

// The colours in the middle of the four quadrants of a picture: top-left, top-right, bottom-left,
// bottom-right.
Pixels corners(const tkp::image::BmpImage& im) {
    auto at = [&](int x, int y) { return im.pixels[std::size_t(y) * im.width + x]; };
    const int l = im.width / 4, r = im.width * 3 / 4, t = im.height / 4, b = im.height * 3 / 4;
    return {at(l, t), at(r, t), at(l, b), at(r, b)};
}

TEST(JpegDecode, KindsDecodeAndEachExifOrientationComesOutUpright) {
    struct Case {
        const char* what;
        art::JpegOptions options;
        int w, h;
        Pixels want;  // top-left, top-right, bottom-left, bottom-right once upright
    };
    const Case cases[] = {
        {"baseline", {}, 32, 16, {R, G, B, W}},
        {"progressive", {.progressive = true}, 32, 16, {R, G, B, W}},
        {"grey", {.grey = true}, 32, 16, {0x4C4C4C, 0x969696, 0x1D1D1D, W}},
        {"1", {.orientation = 1}, 32, 16, {R, G, B, W}},
        {"2", {.orientation = 2}, 32, 16, {G, R, W, B}},
        {"3", {.orientation = 3, .bigEndian = true}, 32, 16, {W, B, G, R}},
        {"4", {.orientation = 4}, 32, 16, {B, W, R, G}},
        {"5", {.orientation = 5}, 16, 32, {R, B, G, W}},
        {"6", {.orientation = 6}, 16, 32, {B, R, W, G}},
        {"7", {.orientation = 7}, 16, 32, {W, G, B, R}},
        {"8", {.orientation = 8, .bigEndian = true}, 16, 32, {G, W, R, B}},
        {"9 is out of range, as stored", {.orientation = 9}, 32, 16, {R, G, B, W}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tkp::image::BmpImage image;
        ASSERT_TRUE(decode(tk_test::JpegFile(32, 16, quadrants(), c.options), &image));
        EXPECT_EQ(image.width * 100 + image.height, c.w * 100 + c.h);
        EXPECT_TRUE(near(corners(image), c.want, 12)) << ::testing::PrintToString(corners(image));
    }
}

// A large JPEG asked for with a cover size comes out reduced by 1/8, 1/4 or 1/2 (the least that
// still covers it once upright), its aspect kept; without one, or when no reduction covers it, whole.
TEST(JpegDecode, ReducedByTheDecoderToTheLeastThatCoversTheSize) {
    const Pixels small = quadrants();
    Pixels big(1600 * 1200);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = small[(i / 1600 * 16 / 1200) * 32 + i % 1600 * 32 / 1600];
    const std::string wide = tk_test::JpegFile(1600, 1200, big, {});
    const std::string turned = tk_test::JpegFile(1600, 1200, big, {.orientation = 6});
    struct Case {
        const std::string* file;
        int coverW, coverH;
        int w, h;
    };
    const Case cases[] = {
        {&wide, 0, 0, 1600, 1200},     {&wide, 300, 200, 400, 300},   {&wide, 150, 100, 200, 150},
        {&wide, 900, 200, 1600, 1200}, {&turned, 300, 200, 300, 400}, {&turned, 100, 150, 150, 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.coverW) + "x" + std::to_string(c.coverH));
        tkp::image::BmpImage image;
        ASSERT_TRUE(tkp::image::DecodePictureFile(reinterpret_cast<const std::uint8_t*>(c.file->data()),
                                                  c.file->size(), &image, nullptr, c.coverW, c.coverH));
        EXPECT_EQ(std::to_string(image.width) + "x" + std::to_string(image.height),
                  std::to_string(c.w) + "x" + std::to_string(c.h));
    }
}

// GIF, WebP, HEIC and four-channel JPEGs decode to the picture drawn; each cut short is refused
// with a reason and no pixels.
TEST(PictureDecode, PhoneAndPrintKindsDecodeAndRefuseWhenCutShort) {
    struct Case {
        const char* what;
        std::string file;
        int tolerance;
    };
    const Case cases[] = {
        {"GIF", tk_test::GifFile(32, 16, quadrants()), 0},
        {"WebP", tk_test::WebpFile(32, 16, quadrants()), 0},
        {"HEIC", tk_test::HeicFile(32, 16, quadrants()), 40},
        {"CMYK JPEG", tk_test::CmykJpegFile(32, 16, quadrants(), false), 12},
        {"YCCK JPEG", tk_test::CmykJpegFile(32, 16, quadrants(), true), 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_GT(c.file.size(), 40u);
        tkp::image::BmpImage image;
        const char* reason = nullptr;
        ASSERT_TRUE(decode(c.file, &image, &reason)) << reason;
        EXPECT_EQ(image.width * 100 + image.height, 32 * 100 + 16);
        EXPECT_TRUE(near(corners(image), {R, G, B, W}, c.tolerance))
            << ::testing::PrintToString(corners(image));
        reason = nullptr;
        EXPECT_FALSE(decode(c.file.substr(0, c.file.size() * 2 / 3), &image, &reason));
        EXPECT_TRUE(reason && *reason && image.pixels.empty());
    }
}

TEST(ExifOrientation, DamagedBlocksMeanAsStored) {
    const std::string good = tk_test::AsString(art::ExifPayload(6, false));
    auto orientation = [](const std::string& s) {
        return tkp::image::ExifOrientation(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
    };
    EXPECT_EQ(orientation(good), 6);
    // Cut anywhere before the value ends, a wrong signature, an IFD offset past the end.
    for (std::size_t n = 0; n < 24; ++n) EXPECT_EQ(orientation(good.substr(0, n)), 1) << n;
    EXPECT_EQ(orientation("Exif\0\0XX" + good.substr(8)), 1);
    std::string far = good;
    far[10] = char(0xF0);
    EXPECT_EQ(orientation(far), 1);
}

TEST(PictureDecode, DamagedAndOversizedFilesAreRefusedWithAReason) {
    Bytes wide(16385, 0x80);
    const std::string png = tk_test::PngFile(3, 2, PNG_COLOR_TYPE_GRAY, 8, Bytes(6, 7));
    const std::string jpeg = tk_test::JpegFile(32, 16, quadrants(), {});
    // Cut a few bytes into the scan, after the headers.
    const std::string cut = jpeg.substr(0, jpeg.rfind("\xFF\xDA") + 20);
    struct Case {
        const char* what;
        std::string file;
        std::string reason;
    };
    const Case cases[] = {
        {"PNG cut short", png.substr(0, png.size() - 20), "malformed PNG data"},
        {"PNG header only", png.substr(0, 20), "malformed PNG header"},
        {"PNG too wide", tk_test::PngFile(16385, 1, PNG_COLOR_TYPE_GRAY, 8, wide), "picture too large"},
        {"JPEG cut short", cut, "JPEG data cut short"},
        {"JPEG start only", jpeg.substr(0, 2), "not a JPEG file"},
        {"JPEG header damaged", jpeg.substr(0, 4) + std::string(200, '\x55'), "malformed JPEG header"},
        {"JPEG too wide", tk_test::JpegFile(16400, 8, Pixels(16400 * 8, 0), {.grey = true}),
         "picture too large"},
        {"GIF header cut short", std::string("GIF89a\x02\0\x02\0", 10), "not a GIF file"},
        {"WebP signature only", std::string("RIFF\x10\0\0\0WEBPVP8 ", 16), "malformed WebP header"},
        {"an ISO box of another kind",
         std::string("\0\0\0\x18"
                     "ftypisom\0\0\0\0isommp42",
                     24),
         tkp::image::kUnknownPictureKind},
        {"neither", "XY, not any kind read here", tkp::image::kUnknownPictureKind},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        tkp::image::BmpImage image;
        const char* reason = nullptr;
        EXPECT_FALSE(decode(c.file, &image, &reason));
        EXPECT_EQ(reason ? std::string(reason) : "", c.reason);
        EXPECT_TRUE(image.pixels.empty());
    }
}

// The PNG's chunks (type and data) in order.
std::vector<std::pair<std::string, std::string>> chunksOf(const std::string& png) {
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t n = std::size_t(std::uint8_t(png[at])) << 24 |
                              std::size_t(std::uint8_t(png[at + 1])) << 16 |
                              std::size_t(std::uint8_t(png[at + 2])) << 8 | std::uint8_t(png[at + 3]);
        chunks.emplace_back(png.substr(at + 4, 4), png.substr(at + 8, n));
        at += 12 + n;
    }
    return chunks;
}

std::string be32(std::uint32_t v) {
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

// A PNG file of these chunks, each with its right CRC.
std::string pngOf(const std::vector<std::pair<std::string, std::string>>& chunks) {
    std::string png = "\x89PNG\r\n\x1a\n";
    for (const auto& [type, data] : chunks) {
        const std::string typed = type + data;
        png +=
            be32(std::uint32_t(data.size())) + typed +
            be32(std::uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()))));
    }
    return png;
}

// Files whose data cannot hold the pixels they declare are refused before the pixels' memory is
// taken, and a stream that stops before its last row is no picture with its rest blank.
TEST(PictureDecode, FilesTooShortForTheirPixelsAreRefused) {
    // A small JPEG whose frame header claims 8192 x 8192: 1 million blocks in a few hundred bytes.
    std::string claims = tk_test::JpegFile(16, 16, Pixels(256, 0x808080), {.grey = true});
    std::size_t sof = 2;
    while (sof + 4 < claims.size() && claims[sof + 1] != '\xC0')
        sof += 2 + (std::uint8_t(claims[sof + 2]) << 8 | std::uint8_t(claims[sof + 3]));
    ASSERT_LT(sof + 9, claims.size());
    claims.replace(sof + 5, 4, std::string("\x20\x00\x20\x00", 4));
    // A JPEG whose scan stops at its end marker.
    const std::string jpeg = tk_test::JpegFile(32, 16, quadrants(), {});
    const std::string stopped = jpeg.substr(0, jpeg.rfind("\xFF\xDA") + 20) + "\xFF\xD9";
    // A PNG of 8 x 8 that claims 8192 x 8192, and one whose compressed rows stop half-way.
    Bytes noise(64 * 64);
    for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = std::uint8_t(i * 7919 >> 3);
    auto chunks = chunksOf(tk_test::PngFile(8, 8, PNG_COLOR_TYPE_GRAY, 8, Bytes(64, 9)));
    auto big = chunks;
    big[0].second.replace(0, 8, be32(8192) + be32(8192));
    auto half = chunksOf(tk_test::PngFile(64, 64, PNG_COLOR_TYPE_GRAY, 8, noise));
    for (auto& [type, data] : half)
        if (type == "IDAT") data.resize(data.size() / 2);
    const std::pair<std::string, std::string> cases[] = {
        {claims, "JPEG data too short for its size"},
        {stopped, "JPEG data cut short"},
        {pngOf(big), "PNG data too short for its size"},
        {pngOf(half), "malformed PNG data"},
    };
    for (const auto& [file, want] : cases) {
        tkp::image::BmpImage image;
        const char* reason = nullptr;
        EXPECT_FALSE(decode(file, &image, &reason)) << want;
        EXPECT_EQ(reason ? std::string(reason) : "", want);
    }
}

}  // namespace
