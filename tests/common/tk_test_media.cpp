#include "tests/common/tk_test_media.h"

#include <png.h>
#include <sndfile.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>
// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// clang-format on

namespace tk_test {

namespace {

void appendPng(png_structp png, png_bytep data, png_size_t n) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), n);
}

struct JpegTrap {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
};

[[noreturn]] void jpegError(j_common_ptr c) {
    std::longjmp(reinterpret_cast<JpegTrap*>(c->err)->jump, 1);
}

// Compresses into *out; the vectors are the caller's, so the jump skips no destructor.
bool compress(jpeg_compress_struct* c, JpegTrap* trap, int w, int h, const std::uint8_t* samples, bool grey,
              bool progressive, const std::string& exif, unsigned char** out, unsigned long* size) {
    if (setjmp(trap->jump)) return false;
    jpeg_mem_dest(c, out, size);
    c->image_width = static_cast<JDIMENSION>(w);
    c->image_height = static_cast<JDIMENSION>(h);
    c->input_components = grey ? 1 : 3;
    c->in_color_space = grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(c);
    jpeg_set_quality(c, 95, TRUE);
    if (progressive) jpeg_simple_progression(c);
    jpeg_start_compress(c, TRUE);
    if (!exif.empty())
        jpeg_write_marker(c, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                          static_cast<unsigned>(exif.size()));
    const std::size_t stride = std::size_t(w) * (grey ? 1 : 3);
    while (c->next_scanline < c->image_height) {
        auto row = const_cast<JSAMPROW>(samples + c->next_scanline * stride);
        jpeg_write_scanlines(c, &row, 1);
    }
    jpeg_finish_compress(c);
    return true;
}

struct Memory {
    std::string bytes;
    sf_count_t pos = 0;
};

}  // namespace

std::string PngFile(int w, int h, int colorType, int bitDepth, const std::vector<std::uint8_t>& rows,
                    const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& alpha) {
    std::string out;
    std::vector<png_color> colours;
    for (std::uint32_t c : palette) colours.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
    std::vector<png_bytep> rowPointers;
    const std::size_t stride = rows.size() / std::size_t(h);
    for (int y = 0; y < h; ++y) rowPointers.push_back(const_cast<png_bytep>(rows.data()) + y * stride);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendPng, nullptr);
    png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), bitDepth, colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!colours.empty()) png_set_PLTE(png, info, colours.data(), int(colours.size()));
    if (!alpha.empty()) png_set_tRNS(png, info, alpha.data(), int(alpha.size()), nullptr);
    png_write_info(png, info);
    png_write_image(png, rowPointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string ExifPayload(int orientation, bool bigEndian) {
    auto u16 = [&](std::uint32_t v) {
        return bigEndian ? std::string{char(v >> 8), char(v)} : std::string{char(v), char(v >> 8)};
    };
    auto u32 = [&](std::uint32_t v) { return bigEndian ? u16(v >> 16) + u16(v) : u16(v) + u16(v >> 16); };
    std::string e("Exif\0\0", 6);
    e += bigEndian ? "MM" : "II";
    e += u16(42) + u32(8);
    // IFD0: one entry (orientation, SHORT, one value), then no next IFD.
    e += u16(1) + u16(0x0112) + u16(3) + u32(1) + u16(std::uint32_t(orientation)) + u16(0) + u32(0);
    return e;
}

std::string JpegFile(int w, int h, const std::vector<std::uint32_t>& xrgb, bool grey, bool progressive,
                     int orientation, bool bigEndianExif) {
    std::vector<std::uint8_t> samples;
    for (std::uint32_t p : xrgb) {
        if (grey) {
            samples.push_back(std::uint8_t(p));
        } else {
            samples.insert(samples.end(), {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
        }
    }
    const std::string exif = orientation ? ExifPayload(orientation, bigEndianExif) : std::string();
    jpeg_compress_struct c{};
    JpegTrap trap{};
    c.err = jpeg_std_error(&trap.mgr);
    trap.mgr.error_exit = jpegError;
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    const bool ok = compress(&c, &trap, w, h, samples.data(), grey, progressive, exif, &buffer, &size);
    jpeg_destroy_compress(&c);
    std::string out = ok ? std::string(reinterpret_cast<const char*>(buffer), size) : std::string();
    std::free(buffer);
    return out;
}

std::string SoundFile(int format, int channels, int rate, const std::vector<short>& samples) {
    Memory memory;
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* u) { return sf_count_t(static_cast<Memory*>(u)->bytes.size()); };
    io.seek = [](sf_count_t offset, int whence, void* u) {
        auto* m = static_cast<Memory*>(u);
        const sf_count_t base = whence == SEEK_SET   ? 0
                                : whence == SEEK_CUR ? m->pos
                                                     : sf_count_t(m->bytes.size());
        return m->pos = base + offset;
    };
    io.read = [](void* out, sf_count_t n, void* u) {
        auto* m = static_cast<Memory*>(u);
        const sf_count_t got =
            std::max<sf_count_t>(0, std::min<sf_count_t>(n, sf_count_t(m->bytes.size()) - m->pos));
        std::memcpy(out, m->bytes.data() + m->pos, std::size_t(got));
        m->pos += got;
        return got;
    };
    io.write = [](const void* in, sf_count_t n, void* u) {
        auto* m = static_cast<Memory*>(u);
        if (m->bytes.size() < std::size_t(m->pos + n)) m->bytes.resize(std::size_t(m->pos + n));
        std::memcpy(m->bytes.data() + m->pos, in, std::size_t(n));
        m->pos += n;
        return n;
    };
    io.tell = [](void* u) { return static_cast<Memory*>(u)->pos; };
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* f = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!f) return {};
    // Written as floats: libsndfile 1.2.0 garbles 16-bit stereo samples on their way to MP3.
    std::vector<float> scaled(samples.begin(), samples.end());
    for (float& x : scaled) x /= 32768.0f;
    sf_writef_float(f, scaled.data(), sf_count_t(scaled.size()) / channels);
    sf_close(f);
    return memory.bytes;
}

}  // namespace tk_test
