#include "tests/common/tk_test_pictures.h"

#include <gif_lib.h>
#include <libheif/heif.h>
#include <webp/encode.h>

#include <cstdio>
#include <cstdlib>
// clang-format off: jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// clang-format on

// The HEVC encoder keeps one block of its own for the whole run; LeakSanitizer is told it is no leak
// of ours (the hook is read only where the sanitizer is linked in).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libx265\n";
}

namespace tk_test {
namespace {

int appendGif(GifFileType* gif, const GifByteType* data, int size) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), std::size_t(size));
    return size;
}

std::uint8_t channel(std::uint32_t xrgb, int shift) {
    return static_cast<std::uint8_t>(xrgb >> shift & 0xFF);
}

}  // namespace

std::string GifFile(int w, int h, const std::vector<std::uint32_t>& xrgb) {
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendGif, &error);
    if (!gif) return "";
    ColorMapObject* map = GifMakeMapObject(256, nullptr);
    for (int i = 0; i < 256; ++i) {
        const int c = i < 216 ? i : 215;
        map->Colors[i] =
            GifColorType{GifByteType(c / 36 * 51), GifByteType(c / 6 % 6 * 51), GifByteType(c % 6 * 51)};
    }
    EGifPutScreenDesc(gif, w, h, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr);
    std::vector<GifPixelType> line(std::size_t(w), 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = xrgb[std::size_t(y) * std::size_t(w) + std::size_t(x)];
            const int r = (channel(p, 16) + 25) / 51, g = (channel(p, 8) + 25) / 51,
                      b = (channel(p, 0) + 25) / 51;
            line[std::size_t(x)] = GifPixelType(r * 36 + g * 6 + b);
        }
        EGifPutLine(gif, line.data(), w);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

std::string WebpFile(int w, int h, const std::vector<std::uint32_t>& xrgb) {
    std::vector<std::uint8_t> rgb;
    for (std::uint32_t p : xrgb)
        for (int shift : {16, 8, 0}) rgb.push_back(channel(p, shift));
    std::uint8_t* data = nullptr;
    const std::size_t size = WebPEncodeLosslessRGB(rgb.data(), w, h, w * 3, &data);
    std::string out(reinterpret_cast<const char*>(data), size);
    WebPFree(data);
    return out;
}

std::string HeicFile(int w, int h, const std::vector<std::uint32_t>& xrgb) {
    heif_context* ctx = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    std::string out;
    if (heif_context_get_encoder_for_format(ctx, heif_compression_HEVC, &encoder).code != heif_error_Ok) {
        heif_context_free(ctx);
        return out;
    }
    heif_encoder_set_lossy_quality(encoder, 95);
    heif_image* image = nullptr;
    heif_image_create(w, h, heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image);
    heif_image_add_plane(image, heif_channel_interleaved, w, h, 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int c = 0; c < 3; ++c)
                plane[std::size_t(y) * std::size_t(stride) + std::size_t(x) * 3 + std::size_t(c)] =
                    channel(xrgb[std::size_t(y) * std::size_t(w) + std::size_t(x)], 16 - 8 * c);
    if (heif_context_encode_image(ctx, image, encoder, nullptr, nullptr).code == heif_error_Ok) {
        heif_writer writer{};
        writer.writer_api_version = 1;
        writer.write = [](heif_context*, const void* data, std::size_t size, void* into) {
            static_cast<std::string*>(into)->append(static_cast<const char*>(data), size);
            return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
        };
        heif_context_write(ctx, &writer, &out);
    }
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(ctx);
    return out;
}

std::string CmykJpegFile(int w, int h, const std::vector<std::uint32_t>& xrgb, bool ycck) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(w);
    cinfo.image_height = JDIMENSION(h);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, ycck ? JCS_YCCK : JCS_CMYK);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    // Inverted inks without black: the stored values are the colour's own channels, K full.
    std::vector<std::uint8_t> row(std::size_t(w) * 4);
    while (cinfo.next_scanline < cinfo.image_height) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = xrgb[std::size_t(cinfo.next_scanline) * std::size_t(w) + std::size_t(x)];
            row[std::size_t(x) * 4] = channel(p, 16);
            row[std::size_t(x) * 4 + 1] = channel(p, 8);
            row[std::size_t(x) * 4 + 2] = channel(p, 0);
            row[std::size_t(x) * 4 + 3] = 255;
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

}  // namespace tk_test
