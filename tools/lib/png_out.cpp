#include "tools/lib/png_out.h"

#include <png.h>

#include <cstdio>

namespace art {

namespace {

// Writes w x h pixels of `channels` bytes each (3: RGB, 4: RGBA) taken from 0xAARRGGBB values.
bool writePng(const std::string& path, int w, int h, int channels, const std::uint32_t* px) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(w) * channels);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = px[static_cast<std::size_t>(y) * w + x];
            png_byte* out = &row[static_cast<std::size_t>(x) * channels];
            out[0] = static_cast<png_byte>(p >> 16);
            out[1] = static_cast<png_byte>(p >> 8);
            out[2] = static_cast<png_byte>(p);
            if (channels == 4) out[3] = static_cast<png_byte>(p >> 24);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

}  // namespace

bool WritePng(const std::string& path, const RgbImage& img) {
    return writePng(path, img.w, img.h, 3, img.px.data());
}

bool WritePngArgb(const std::string& path, int w, int h, const std::vector<std::uint32_t>& argb) {
    if (argb.size() != static_cast<std::size_t>(w) * h) return false;
    return writePng(path, w, h, 4, argb.data());
}

}  // namespace art
