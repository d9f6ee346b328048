// JPEG pictures through libjpeg(-turbo). libjpeg reports fatal errors by a call that must not
// return; it jumps back to the one setjmp of each stage below, which hold no C++ objects, so
// nothing with a destructor is skipped.
#include <csetjmp>
#include <cstdio>
// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>
// clang-format on

#include <algorithm>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "platform/image/decode_buffers.h"
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

// Warnings are not printed; a file that ends before its last scan, or whose scan data stops at
// a marker before its last row (the decoder would fill the rest with grey), is remembered and
// refused.
void onMessage(j_common_ptr cinfo, int level) {
    const int code = cinfo->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        reinterpret_cast<ErrorTrap*>(cinfo->err)->cutShort = true;
}

// Whether size bytes can hold the declared picture at all. Huffman coding spends at least one bit
// on every 8 x 8 block of each component, so a file far smaller than its blocks is a bomb that
// would make the full picture's memory be taken for grey. (Arithmetic coding has no such floor.)
bool canHold(const jpeg_decompress_struct& c, std::size_t size) {
    if (c.arith_code || c.num_components < 1) return true;
    int hMax = 1, vMax = 1;
    for (int i = 0; i < c.num_components; ++i) {
        hMax = std::max(hMax, c.comp_info[i].h_samp_factor);
        vMax = std::max(vMax, c.comp_info[i].v_samp_factor);
    }
    const std::uint64_t blocks =
        (std::uint64_t{c.image_width} / (8u * hMax)) * (c.image_height / (8u * vMax));
    return std::uint64_t{size} * 8 >= blocks;
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
    // libjpeg converts YCbCr and grey to RGB itself; four-channel pictures come out as CMYK and are
    // converted below.
    const bool fourChannels = d->cinfo.jpeg_color_space == JCS_CMYK || d->cinfo.jpeg_color_space == JCS_YCCK;
    d->cinfo.out_color_space = fourChannels ? JCS_CMYK : JCS_RGB;
    return true;
}

// The output size for the scale chosen; false on a malformed header.
bool outputSize(Decoder* d, std::int64_t* w, std::int64_t* h) {
    if (setjmp(d->trap.jump)) return false;
    jpeg_calc_output_dimensions(&d->cinfo);
    *w = d->cinfo.output_width;
    *h = d->cinfo.output_height;
    return true;
}

// Decodes the rows into out (width * output_components bytes a row). False on malformed data.
bool readPixels(Decoder* d, std::uint8_t* out, std::size_t stride) {
    if (setjmp(d->trap.jump)) return false;
    jpeg_start_decompress(&d->cinfo);
    const int wanted = d->cinfo.out_color_space == JCS_CMYK ? 4 : 3;
    if (d->cinfo.output_components != wanted || d->cinfo.output_width * std::size_t(wanted) > stride)
        return false;
    while (d->cinfo.output_scanline < d->cinfo.output_height) {
        JSAMPROW row = out + std::size_t(d->cinfo.output_scanline) * stride;
        jpeg_read_scanlines(&d->cinfo, &row, 1);
    }
    jpeg_finish_decompress(&d->cinfo);
    return true;
}

// The smallest of libjpeg's reductions to 1/8, 1/4 or 1/2 whose result still covers coverW x coverH,
// measured as the picture will stand once turned by its orientation; the whole size when none does.
// Those three have libjpeg's fast inverse transforms; the reductions between them save little.
void chooseScale(jpeg_decompress_struct* cinfo, int orientation, int coverW, int coverH) {
    if (coverW <= 0 || coverH <= 0) return;
    std::int64_t w = cinfo->image_width;
    std::int64_t h = cinfo->image_height;
    if (orientation >= 5) std::swap(w, h);
    for (unsigned num : {1u, 2u, 4u}) {
        if ((w * num + 7) / 8 >= coverW && (h * num + 7) / 8 >= coverH) {
            cinfo->scale_num = num;
            cinfo->scale_denom = 8;
            return;
        }
    }
}

// One CMYK pixel as RGB. Adobe's files store the inks inverted (0 is full ink), others as they are.
std::uint32_t cmykToRgb(const std::uint8_t* p, bool inverted) {
    std::uint32_t ink[4];
    for (int c = 0; c < 4; ++c) ink[c] = inverted ? p[c] : 255u - p[c];
    std::uint32_t out = 0;
    for (int c = 0; c < 3; ++c) out = (out << 8) | ((ink[c] * ink[3] + 127) / 255);
    return out;
}

int orientationOf(const jpeg_decompress_struct& cinfo) {
    for (jpeg_saved_marker_ptr m = cinfo.marker_list; m; m = m->next) {
        if (m->marker != JPEG_APP0 + 1) continue;
        const int o = tkp::image::ExifOrientation(m->data, m->data_length);
        if (o != 1) return o;
    }
    return 1;
}

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

}  // namespace

bool tkp::image::DecodeJpeg(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                            const char** reason, int coverW, int coverH) {
    *out = tkp::image::BmpImage{};
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
    const std::int64_t fullW = d.cinfo.image_width;
    const std::int64_t fullH = d.cinfo.image_height;
    if (fullW <= 0 || fullH <= 0) return fail(reason, "zero or negative size");
    if (fullW > tkp::image::kBmpMaxSide || fullH > tkp::image::kBmpMaxSide ||
        fullW * fullH > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    if (!canHold(d.cinfo, size)) return fail(reason, "JPEG data too short for its size");
    chooseScale(&d.cinfo, orientation, coverW, coverH);
    std::int64_t w = 0;
    std::int64_t h = 0;
    if (!outputSize(&d, &w, &h) || w <= 0 || h <= 0 || w > fullW || h > fullH)
        return fail(reason, "malformed JPEG header");
    const bool cmyk = d.cinfo.out_color_space == JCS_CMYK;
    const bool inverted = cmyk && d.cinfo.saw_Adobe_marker;
    const std::size_t channels = cmyk ? 4 : 3;
    const std::size_t stride = std::size_t(w) * channels;
    tkp::image::DecodeBuffers b;
    if (!b.Allocate(w, h, stride * std::size_t(h))) return fail(reason, "out of memory");
    const std::vector<std::uint8_t>& rgb = b.raw;
    if (!readPixels(&d, b.raw.data(), stride)) return fail(reason, "malformed JPEG data");
    if (d.trap.cutShort) return fail(reason, "JPEG data cut short");
    if (cmyk) {
        for (std::size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = cmykToRgb(&rgb[4 * i], inverted);
    } else {
        for (std::size_t i = 0; i < b.pixels.size(); ++i)
            b.pixels[i] =
                (std::uint32_t{rgb[3 * i]} << 16) | (std::uint32_t{rgb[3 * i + 1]} << 8) | rgb[3 * i + 2];
    }
    b.Deliver(out, w, h, 24);
    if (!tkp::image::ApplyOrientation(out, orientation)) {
        *out = tkp::image::BmpImage{};
        return fail(reason, "out of memory");
    }
    return true;
}
