#include "tools/lib/photo_write.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// clang-format on

namespace art {

namespace {

struct Trap {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr c) {
    std::longjmp(reinterpret_cast<Trap*>(c->err)->jump, 1);
}

// The picture turned a quarter anticlockwise: what EXIF orientation 6 turns back upright.
RgbImage TurnedAnticlockwise(const RgbImage& img) {
    RgbImage out(img.h, img.w);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) out.At(y, img.w - 1 - x) = img.At(x, y);
    return out;
}

// The EXIF block of one IFD0 entry, the orientation.
std::vector<std::uint8_t> ExifOrientation(int orientation) {
    return {'E', 'x',  'i',  'f', 0,
            0,   'I',  'I',  42,  0,
            8,   0,    0,    0,   1,
            0,   0x12, 0x01, 3,   0,
            1,   0,    0,    0,   static_cast<std::uint8_t>(orientation),
            0,   0,    0,    0,   0,
            0,   0};
}

// The caller's buffers only, so that the jump skips no destructor.
bool Compress(jpeg_compress_struct* c, Trap* trap, const RgbImage& img, const std::uint8_t* samples,
              const JpegOptions& o, const std::vector<std::uint8_t>& exif, unsigned char** out,
              unsigned long* size) {
    if (setjmp(trap->jump)) return false;
    jpeg_mem_dest(c, out, size);
    c->image_width = static_cast<JDIMENSION>(img.w);
    c->image_height = static_cast<JDIMENSION>(img.h);
    c->input_components = o.grey ? 1 : 3;
    c->in_color_space = o.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(c);
    jpeg_set_quality(c, o.quality, TRUE);
    c->optimize_coding = TRUE;
    if (o.progressive) jpeg_simple_progression(c);
    jpeg_start_compress(c, TRUE);
    if (!exif.empty()) jpeg_write_marker(c, JPEG_APP0 + 1, exif.data(), static_cast<unsigned>(exif.size()));
    const std::size_t stride = static_cast<std::size_t>(img.w) * (o.grey ? 1 : 3);
    while (c->next_scanline < c->image_height) {
        auto row = const_cast<JSAMPROW>(samples + c->next_scanline * stride);
        jpeg_write_scanlines(c, &row, 1);
    }
    jpeg_finish_compress(c);
    return true;
}

std::vector<std::uint8_t> WritePngImage(png_image& image, const void* pixels, const void* colormap) {
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels, 0, colormap)) return {};
    std::vector<std::uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, colormap)) return {};
    out.resize(size);
    return out;
}

png_image Header(int w, int h, png_uint_32 format) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = format;
    return image;
}

std::vector<std::uint8_t> Rgb(const RgbImage& img) {
    std::vector<std::uint8_t> s;
    for (std::uint32_t p : img.px)
        s.insert(s.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
    return s;
}

}  // namespace

RgbImage Greyed(const RgbImage& img) {
    RgbImage out = img;
    for (std::uint32_t& p : out.px) {
        const std::uint32_t y =
            (299 * (p >> 16 & 0xFF) + 587 * (p >> 8 & 0xFF) + 114 * (p & 0xFF) + 500) / 1000;
        p = y << 16 | y << 8 | y;
    }
    return out;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& picture, const JpegOptions& o) {
    const RgbImage img = o.orientation == 6 ? TurnedAnticlockwise(picture) : picture;
    std::vector<std::uint8_t> samples;
    for (std::uint32_t p : o.grey ? Greyed(img).px : img.px) {
        if (o.grey) {
            samples.push_back(std::uint8_t(p));
        } else {
            samples.insert(samples.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    }
    const std::vector<std::uint8_t> exif =
        o.orientation != 1 ? ExifOrientation(o.orientation) : std::vector<std::uint8_t>{};
    jpeg_compress_struct c{};
    Trap trap{};
    c.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = onError;
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = Compress(&c, &trap, img, samples.data(), o, exif, &buffer, &size);
    jpeg_destroy_compress(&c);
    std::vector<std::uint8_t> out;
    if (ok) out.assign(buffer, buffer + size);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> EncodePngRgb(const RgbImage& img) {
    png_image image = Header(img.w, img.h, PNG_FORMAT_RGB);
    const std::vector<std::uint8_t> rgb = Rgb(img);
    return WritePngImage(image, rgb.data(), nullptr);
}

std::vector<std::uint8_t> EncodePngPalette(const IndexedImage& img) {
    png_image image = Header(img.w, img.h, PNG_FORMAT_RGB_COLORMAP);
    image.colormap_entries = static_cast<png_uint_32>(img.palette.size());
    RgbImage palette(static_cast<int>(img.palette.size()), 1);
    palette.px = img.palette;
    const std::vector<std::uint8_t> colours = Rgb(palette);
    return WritePngImage(image, img.idx.data(), colours.data());
}

std::vector<std::uint8_t> EncodePngRgba(int w, int h, const std::vector<std::uint32_t>& argb) {
    png_image image = Header(w, h, PNG_FORMAT_RGBA);
    std::vector<std::uint8_t> rgba;
    for (std::uint32_t p : argb)
        rgba.insert(rgba.end(),
                    {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p), std::uint8_t(p >> 24)});
    return WritePngImage(image, rgba.data(), nullptr);
}

}  // namespace art
