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
    decltype(&heif_check_filetype) check_filetype = nullptr;
    decltype(&heif_context_alloc) context_alloc = nullptr;
    decltype(&heif_context_free) context_free = nullptr;
    decltype(&heif_context_set_maximum_image_size_limit) set_maximum_image_size_limit = nullptr;
    decltype(&heif_context_read_from_memory_without_copy) read_from_memory_without_copy = nullptr;
    decltype(&heif_context_get_primary_image_handle) get_primary_image_handle = nullptr;
    decltype(&heif_image_handle_get_width) handle_get_width = nullptr;
    decltype(&heif_image_handle_get_height) handle_get_height = nullptr;
    decltype(&heif_image_handle_release) handle_release = nullptr;
    decltype(&heif_decode_image) decode_image = nullptr;
    decltype(&heif_image_get_width) image_get_width = nullptr;
    decltype(&heif_image_get_height) image_get_height = nullptr;
    decltype(&heif_image_get_plane_readonly) get_plane_readonly = nullptr;
    decltype(&heif_image_release) image_release = nullptr;
    bool found = false;
};

// libheif, opened the first time; found is false when it or one of its functions is missing.
const Heif& heif() {
    static const Heif functions = [] {
        static tkp::kernel::SharedLibrary library("libheif.so.1");
        Heif h;
        h.found =
            library.Find(h.check_filetype, "heif_check_filetype") &&
            library.Find(h.context_alloc, "heif_context_alloc") &&
            library.Find(h.context_free, "heif_context_free") &&
            library.Find(h.set_maximum_image_size_limit, "heif_context_set_maximum_image_size_limit") &&
            library.Find(h.read_from_memory_without_copy, "heif_context_read_from_memory_without_copy") &&
            library.Find(h.get_primary_image_handle, "heif_context_get_primary_image_handle") &&
            library.Find(h.handle_get_width, "heif_image_handle_get_width") &&
            library.Find(h.handle_get_height, "heif_image_handle_get_height") &&
            library.Find(h.handle_release, "heif_image_handle_release") &&
            library.Find(h.decode_image, "heif_decode_image") &&
            library.Find(h.image_get_width, "heif_image_get_width") &&
            library.Find(h.image_get_height, "heif_image_get_height") &&
            library.Find(h.get_plane_readonly, "heif_image_get_plane_readonly") &&
            library.Find(h.image_release, "heif_image_release");
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
        if (image) heif().image_release(image);
        if (handle) heif().handle_release(handle);
        if (context) heif().context_free(context);
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
        heif().check_filetype(data, static_cast<int>(std::min<std::size_t>(size, 1 << 20)));
    if (kind == heif_filetype_no) return fail(reason, tkp::image::kUnknownPictureKind);
    if (kind == heif_filetype_yes_unsupported) return fail(reason, "unsupported HEIF file");
    Guard g;
    g.context = heif().context_alloc();
    if (!g.context) return fail(reason, "out of memory");
    heif().set_maximum_image_size_limit(g.context, tkp::image::kBmpMaxSide);
    if (heif().read_from_memory_without_copy(g.context, data, size, nullptr).code != heif_error_Ok)
        return fail(reason, "malformed HEIF header");
    if (heif().get_primary_image_handle(g.context, &g.handle).code != heif_error_Ok || !g.handle)
        return fail(reason, "malformed HEIF header");
    const std::int64_t hw = heif().handle_get_width(g.handle);
    const std::int64_t hh = heif().handle_get_height(g.handle);
    if (hw <= 0 || hh <= 0) return fail(reason, "zero or negative size");
    if (hw > tkp::image::kBmpMaxSide || hh > tkp::image::kBmpMaxSide || hw * hh > tkp::image::kBmpMaxPixels)
        return fail(reason, "picture too large");
    if (heif().decode_image(g.handle, &g.image, heif_colorspace_RGB, heif_chroma_interleaved_RGBA, nullptr)
                .code != heif_error_Ok ||
        !g.image)
        return fail(reason, "malformed HEIF data");
    const std::int64_t w = heif().image_get_width(g.image, heif_channel_interleaved);
    const std::int64_t h = heif().image_get_height(g.image, heif_channel_interleaved);
    int stride = 0;
    const std::uint8_t* plane = heif().get_plane_readonly(g.image, heif_channel_interleaved, &stride);
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
