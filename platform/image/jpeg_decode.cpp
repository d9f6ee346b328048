// JPEG pictures through libjpeg(-turbo). libjpeg reports fatal errors by a call that must not
// return; it jumps back to the one setjmp of each stage below, which hold no C++ objects, so
// nothing with a destructor is skipped.
#include <csetjmp>
#include <cstdio>
// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>
// clang-format on

#include <new>
#include <vector>

#include "platform/image/exif_orientation.h"
#include "platform/image/picture_decode.h"

namespace {

struct ErrorTrap {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    bool cutShort;
};

[[noreturn]] void onError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorTrap*>(cinfo->err)->jump, 1);
}

// Warnings are not printed; a file that ends before its last scan is remembered and refused.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorTrap*>(cinfo->err)->cutShort = true;
}

struct Decoder {
    jpeg_decompress_struct cinfo;
    ErrorTrap trap;
};

// Creates the decompressor and reads the header and the APP1 segments. False on a malformed header.
bool readHeader(Decoder* d, const std::uint8_t* data, std::size_t size) {
    if (setjmp(d->trap.jump)) return false;
    jpeg_create_decompress(&d->cinfo);
    jpeg_mem_src(&d->cinfo, data, static_cast<unsigned long>(size));
    jpeg_save_markers(&d->cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&d->cinfo, TRUE);
    d->cinfo.out_color_space = JCS_RGB;
    return true;
}

// Decodes the rows into rgb (width * 3 bytes a row). False on malformed data.
bool readPixels(Decoder* d, std::uint8_t* rgb, std::size_t stride) {
    if (setjmp(d->trap.jump)) return false;
    jpeg_start_decompress(&d->cinfo);
    if (d->cinfo.output_components != 3) return false;
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        JSAMPROW row = rgb + std::size_t(d->cinfo.output_scanline) * stride;
        jpeg_read_scanlines(&d->cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d->cinfo);
    return true;
}

int orientationOf(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        const int o = tkp_ExifOrientation(m->data, m->data_length);
        if (o != 1) return o;
    }
    return 1;
}

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

}  // namespace

bool tkp_DecodeJpeg(const std::uint8_t* data, std::size_t size, tkp_BmpImage* out, const char** reason) {
    *out = tkp_BmpImage{};
    if (!data || size < 3 || data[0] != 0xFF || data[1] != 0xD8) return fail(reason, "not a JPEG file");
    Decoder d{};
    d.cinfo.err = jpeg_std_error(&d.trap.mgr);
    d.trap.mgr.error_exit = onError;
    d.trap.mgr.emit_message = onMessage;
    // Safe also when creating failed: it frees only what was made.
    struct Destroy {
        jpeg_decompress_struct* c;
        ~Destroy() { jpeg_destroy_decompress(c); }
    } destroy{&d.cinfo};

    if (!readHeader(&d, data, size)) return fail(reason, "malformed JPEG header");
    // The saved segments go with the rest of the picture's memory once decoding finishes.
    const int orientation = orientationOf(d.cinfo);
    const std::int64_t w = d.cinfo.image_width;
    const std::int64_t h = d.cinfo.image_height;
    if (w <= 0 || h <= 0) return fail(reason, "zero or negative size");
    if (w > tkp_kBmpMaxSide || h > tkp_kBmpMaxSide || w * h > tkp_kBmpMaxPixels)
        return fail(reason, "picture too large");
    const std::size_t stride = std::size_t(w) * 3;
    std::vector<std::uint8_t> rgb;
    std::vector<std::uint32_t> pixels;
    try {
        rgb.resize(stride * std::size_t(h));
        pixels.resize(std::size_t(w) * std::size_t(h));
    } catch (const std::bad_alloc&) {
        return fail(reason, "out of memory");
    }
    if (!readPixels(&d, rgb.data(), stride)) return fail(reason, "malformed JPEG data");
    if (d.trap.cutShort) return fail(reason, "JPEG data cut short");
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (std::uint32_t{rgb[3 * i]} << 16) | (std::uint32_t{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
    out->width = static_cast<int>(w);
    out->height = static_cast<int>(h);
    out->bitsPerPixel = 24;
    out->pixels = std::move(pixels);
    if (!tkp_ApplyOrientation(out, orientation)) {
        *out = tkp_BmpImage{};
        return fail(reason, "out of memory");
    }
    return true;
}
