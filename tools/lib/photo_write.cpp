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

// The caller's buffers only, so that the jump skips no destructor.
bool compress(jpeg_compress_struct* c, Trap* trap, const RgbImage& img, const std::uint8_t* samples,
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

void appendPng(png_structp png, png_bytep data, png_size_t n) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + n);
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

RgbImage TurnedAnticlockwise(const RgbImage& img) {
    RgbImage out(img.h, img.w);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) out.At(y, img.w - 1 - x) = img.At(x, y);
    return out;
}

std::vector<std::uint8_t> ExifPayload(int orientation, bool bigEndian) {
    std::vector<std::uint8_t> e = {'E', 'x', 'i', 'f', 0, 0};
    auto u16 = [&](std::uint32_t v) {
        const std::uint8_t lo = static_cast<std::uint8_t>(v), hi = static_cast<std::uint8_t>(v >> 8);
        e.insert(e.end(), bigEndian ? std::initializer_list<std::uint8_t>{hi, lo}
                                    : std::initializer_list<std::uint8_t>{lo, hi});
    };
    auto u32 = [&](std::uint32_t v) {
        u16(bigEndian ? v >> 16 : v & 0xFFFF);
        u16(bigEndian ? v & 0xFFFF : v >> 16);
    };
    e.insert(e.end(), 2, bigEndian ? 'M' : 'I');
    u16(42), u32(8);
    // IFD0: one entry (orientation, SHORT, one value in the first two bytes), then no next IFD.
    u16(1), u16(0x0112), u16(3), u32(1), u16(static_cast<std::uint32_t>(orientation)), u16(0), u32(0);
    return e;
}

std::vector<std::uint8_t> EncodeJpeg(const RgbImage& img, const JpegOptions& o) {
    std::vector<std::uint8_t> samples;
    for (std::uint32_t p : o.grey ? Greyed(img).px : img.px) {
        if (o.grey) {
            samples.push_back(static_cast<std::uint8_t>(p));
        } else {
            samples.insert(samples.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    }
    const std::vector<std::uint8_t> exif =
        o.orientation ? ExifPayload(o.orientation, o.bigEndian) : std::vector<std::uint8_t>{};
    jpeg_compress_struct c{};
    Trap trap{};
    c.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = onError;
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = compress(&c, &trap, img, samples.data(), o, exif, &buffer, &size);
    jpeg_destroy_compress(&c);
    std::vector<std::uint8_t> out;
    if (ok) out.assign(buffer, buffer + size);
    std::free(buffer);
    return out;
}

std::vector<std::uint8_t> EncodePng(int w, int h, int colourType, int bitDepth,
                                    const std::vector<std::uint8_t>& rows,
                                    const std::vector<std::uint32_t>& palette,
                                    const std::vector<std::uint8_t>& alpha) {
    std::vector<std::uint8_t> out;
    std::vector<png_color> colours;
    for (std::uint32_t c : palette) colours.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
    std::vector<png_bytep> rowPointers;
    const std::size_t stride = h > 0 ? rows.size() / static_cast<std::size_t>(h) : 0;
    for (int y = 0; y < h; ++y) rowPointers.push_back(const_cast<png_bytep>(rows.data()) + y * stride);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendPng, nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bitDepth, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    if (!colours.empty()) png_set_PLTE(png, info, colours.data(), int(colours.size()));
    if (!alpha.empty()) png_set_tRNS(png, info, alpha.data(), int(alpha.size()), nullptr);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace art
