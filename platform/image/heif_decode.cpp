// HEIC/HEIF pictures through libheif: the primary picture's size is checked before it is decoded,
// libheif itself is told the largest side it may allocate, and the result is read as interleaved
// 8-bit RGBA, flattened onto white. Rotation and mirroring stored in the file are applied by libheif.
#include <libheif/heif.h>

#include <algorithm>
#include <new>
#include <vector>

#include "platform/image/decode_buffers.h"
#include "platform/image/picture_decode.h"

namespace {

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

struct Guard {
    heif_context* context = nullptr;
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    ~Guard() {
        if (image) heif_image_release(image);
        if (handle) heif_image_handle_release(handle);
        if (context) heif_context_free(context);
    }
};

}  // namespace

bool tkp::image::DecodeHeif(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                            const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 12) return fail(reason, "not a HEIF file");
    const heif_filetype_result kind =
        heif_check_filetype(data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)));
    if (kind == heif_filetype_no) return fail(reason, tkp::image::kUnknownPictureKind);
    if (kind == heif_filetype_yes_unsupported) return fail(reason, "unsupported HEIF file");
    Guard g;
    g.context = heif_context_alloc();
    if (!g.context) return fail(reason, "out of memory");
    heif_context_set_maximum_image_size_limit(g.context, tkp::image::kBmpMaxSide);
    if (heif_context_read_from_memory_without_copy(g.context, data, size, nullptr).code != heif_error_Ok)
        return fail(reason, "malformed HEIF header");
    if (heif_context_get_primary_image_handle(g.context, &g.handle).code != heif_error_Ok || !g.handle)
        return fail(reason, "malformed HEIF header");
    const std::int64_t hw = heif_image_handle_get_width(g.handle);
    const std::int64_t hh = heif_image_handle_get_height(g.handle);
    if (hw <= 0 || hh <= 0) return fail(reason, "zero or negative size");
    if (hw > tkp::image::kBmpMaxSide || hh > tkp::image::kBmpMaxSide || hw * hh > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    if (heif_decode_image(g.handle, &g.image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr)
                .code != heif_error_Ok ||
        !g.image)
        return fail(reason, "malformed HEIF data");
    const std::int64_t w = heif_image_get_width(g.image, heif_channel_interleaved);
    const std::int64_t h = heif_image_get_height(g.image, heif_channel_interleaved);
    int stride = 0;
    const std::uint8_t* plane = heif_image_get_plane_readonly(g.image, heif_channel_interleaved, &stride);
    if (!plane || w <= 0 || h <= 0 || w * h > tkp::image::kBmpMaxPixels || stride < w * 4)
        return fail(reason, "malformed HEIF data");
    // The library keeps its own rows: only the pixels are made here.
    tkp::image::DecodeBuffers b;
    if (!b.Allocate(w, h, 0)) return fail(reason, "out of memory");
    for (std::int64_t y = 0; y < h; ++y) {
        const std::uint8_t* p = plane + std::size_t(y) * std::size_t(stride);
        for (std::int64_t x = 0; x < w; ++x, p += 4)
            b.pixels[std::size_t(y) * std::size_t(w) + std::size_t(x)] = tkp::image::OverWhite(p);
    }
    b.Deliver(out, w, h, 24);
    return true;
}
