// HEIC/HEIF pictures through libheif: the primary picture's size is checked before it is decoded,
// libheif itself is told the largest side it may allocate, and the result is read as interleaved
// 8-bit RGBA, flattened onto white. Rotation and mirroring stored in the file are applied by libheif,
// which is opened only when the first HEIF picture comes.
#include <libheif/heif.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "platform/image/decode_buffers.h"
#include "platform/image/picture_decode.h"
#include "platform/kernel/shared_library.h"

namespace {

// The functions of libheif this decoder calls.
struct Heif {
    decltype(&heif_check_filetype) checkFiletype = nullptr;
    decltype(&heif_context_alloc) contextAlloc = nullptr;
    decltype(&heif_context_free) contextFree = nullptr;
    decltype(&heif_context_set_maximum_image_size_limit) setMaximumImageSizeLimit = nullptr;
    decltype(&heif_context_read_from_memory_without_copy) readFromMemoryWithoutCopy = nullptr;
    decltype(&heif_context_get_primary_image_handle) getPrimaryImageHandle = nullptr;
    decltype(&heif_image_handle_get_width) handleGetWidth = nullptr;
    decltype(&heif_image_handle_get_height) handleGetHeight = nullptr;
    decltype(&heif_image_handle_release) handleRelease = nullptr;
    decltype(&heif_decode_image) decodeImage = nullptr;
    decltype(&heif_image_get_width) imageGetWidth = nullptr;
    decltype(&heif_image_get_height) imageGetHeight = nullptr;
    decltype(&heif_image_get_plane_readonly) getPlaneReadonly = nullptr;
    decltype(&heif_image_release) imageRelease = nullptr;
    bool found = false;
};

// libheif, opened the first time; found is false when it or one of its functions is missing.
const Heif& heif() {
    static const Heif functions = [] {
        static tkp::kernel::SharedLibrary library("libheif.so.1");
        Heif h;
        h.found = library.Find(h.checkFiletype, "heif_check_filetype") &&
                  library.Find(h.contextAlloc, "heif_context_alloc") &&
                  library.Find(h.contextFree, "heif_context_free") &&
                  library.Find(h.setMaximumImageSizeLimit, "heif_context_set_maximum_image_size_limit") &&
                  library.Find(h.readFromMemoryWithoutCopy, "heif_context_read_from_memory_without_copy") &&
                  library.Find(h.getPrimaryImageHandle, "heif_context_get_primary_image_handle") &&
                  library.Find(h.handleGetWidth, "heif_image_handle_get_width") &&
                  library.Find(h.handleGetHeight, "heif_image_handle_get_height") &&
                  library.Find(h.handleRelease, "heif_image_handle_release") &&
                  library.Find(h.decodeImage, "heif_decode_image") &&
                  library.Find(h.imageGetWidth, "heif_image_get_width") &&
                  library.Find(h.imageGetHeight, "heif_image_get_height") &&
                  library.Find(h.getPlaneReadonly, "heif_image_get_plane_readonly") &&
                  library.Find(h.imageRelease, "heif_image_release");
        return h;
    }();
    return functions;
}

bool fail(const char** reason, const char* text) {
    if (reason) *reason = text;
    return false;
}

struct Guard {
    heif_context* context = nullptr;
    heif_image_handle* handle = nullptr;
    heif_image* image = nullptr;
    ~Guard() {
        if (image) heif().imageRelease(image);
        if (handle) heif().handleRelease(handle);
        if (context) heif().contextFree(context);
    }
};

}  // namespace

bool tkp::image::DecodeHeif(const std::uint8_t* data, std::size_t size, tkp::image::BmpImage* out,
                            const char** reason) {
    *out = tkp::image::BmpImage{};
    if (!data || size < 12) return fail(reason, "not a HEIF file");
    // Every HEIF file starts with its file-type box; nothing else needs the library opened.
    if (std::memcmp(data + 4, "ftyp", 4) != 0) return fail(reason, tkp::image::kUnknownPictureKind);
    if (!heif().found) return fail(reason, "HEIF pictures cannot be read here: libheif is missing");
    const heif_filetype_result kind =
        heif().checkFiletype(data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)));
    if (kind == heif_filetype_no) return fail(reason, tkp::image::kUnknownPictureKind);
    if (kind == heif_filetype_yes_unsupported) return fail(reason, "unsupported HEIF file");
    Guard g;
    g.context = heif().contextAlloc();
    if (!g.context) return fail(reason, "out of memory");
    heif().setMaximumImageSizeLimit(g.context, tkp::image::kBmpMaxSide);
    if (heif().readFromMemoryWithoutCopy(g.context, data, size, nullptr).code != heif_error_Ok)
        return fail(reason, "malformed HEIF header");
    if (heif().getPrimaryImageHandle(g.context, &g.handle).code != heif_error_Ok || !g.handle)
        return fail(reason, "malformed HEIF header");
    const std::int64_t hw = heif().handleGetWidth(g.handle);
    const std::int64_t hh = heif().handleGetHeight(g.handle);
    if (hw <= 0 || hh <= 0) return fail(reason, "zero or negative size");
    if (hw > tkp::image::kBmpMaxSide || hh > tkp::image::kBmpMaxSide || hw * hh > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    if (heif().decodeImage(g.handle, &g.image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr)
                .code != heif_error_Ok ||
        !g.image)
        return fail(reason, "malformed HEIF data");
    const std::int64_t w = heif().imageGetWidth(g.image, heif_channel_interleaved);
    const std::int64_t h = heif().imageGetHeight(g.image, heif_channel_interleaved);
    int stride = 0;
    const std::uint8_t* plane = heif().getPlaneReadonly(g.image, heif_channel_interleaved, &stride);
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
