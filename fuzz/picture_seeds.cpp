// Writes pictures of every kind the decoder takes (PNG: palette, grey, alpha, 16-bit; JPEG:
// baseline, progressive, grey, turned by EXIF, CMYK, YCCK; GIF; WebP; HEIC) into the folder given,
// as fuzzing seeds.
#include <png.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/tk_test_media.h"
#include "tests/common/tk_test_pictures.h"

int main(int argc, char** argv) {
    using tk_test::JpegFile;
    using tk_test::PngFile;
    if (argc != 2) {
        std::fprintf(stderr, "usage: picture_seeds <folder>\n");
        return 2;
    }
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < 16 * 8; ++i) pixels.push_back(i * 0x020406u);
    std::vector<std::uint32_t> palette;
    for (std::uint32_t i = 0; i < 16; ++i) palette.push_back(i * 0x0F0E0D);
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < 16 * 8 * 8; ++i) bytes.push_back(std::uint8_t(i * 7));
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"palette.png", PngFile(16, 8, PNG_COLOR_TYPE_PALETTE, 4, bytes, palette, {0, 128})},
        {"grey.png", PngFile(16, 8, PNG_COLOR_TYPE_GRAY, 8, bytes)},
        {"alpha.png", PngFile(16, 8, PNG_COLOR_TYPE_RGB_ALPHA, 8, bytes)},
        {"deep.png", PngFile(16, 8, PNG_COLOR_TYPE_RGB, 16, bytes)},
        {"baseline.jpg", JpegFile(16, 8, pixels, {})},
        {"progressive.jpg", JpegFile(16, 8, pixels, {.progressive = true})},
        {"grey.jpg", JpegFile(16, 8, pixels, {.grey = true})},
        {"turned.jpg", JpegFile(16, 8, pixels, {.orientation = 6, .bigEndian = true})},
        {"cmyk.jpg", tk_test::CmykJpegFile(16, 8, pixels, false)},
        {"ycck.jpg", tk_test::CmykJpegFile(16, 8, pixels, true)},
        {"picture.gif", tk_test::GifFile(16, 8, pixels)},
        {"picture.webp", tk_test::WebpFile(16, 8, pixels)},
        {"picture.heic", tk_test::HeicFile(16, 8, pixels)},
    };
    for (const auto& [name, file] : seeds) {
        if (file.empty()) continue;  // no HEVC encoder installed
        const std::string path = std::string(argv[1]) + "/" + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(file.data(), 1, file.size(), f) != file.size()) return 1;
        std::fclose(f);
    }
    return 0;
}
