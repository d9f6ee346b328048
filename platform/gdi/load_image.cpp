// LoadImageA and GetObjectA over the picture decoders and the area-averaging resampler.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "platform/gdi/gdi_object.h"
#include "platform/gdi/load_image.h"
#include "platform/image/bmp_decode.h"
#include "platform/image/picture_decode.h"
#include "platform/image/scale.h"
#include "platform/kernel/debug.h"
#include "platform/kernel/files.h"
#include "platform/kernel/regular_file.h"
#include "platform/kernel/resources.h"

namespace {

// The largest picture file worth reading: the largest BMP at 32 bits, its headers and palette
// (a PNG or JPEG file of the largest picture is smaller).
constexpr std::uint64_t kMaxFileBytes = tkp::image::kBmpMaxPixels * 4 + (1 << 16);

std::string describe(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return name;
}

void report(LPCSTR name, const char* what) {
    OutputDebugStringA(("LoadImageA: " + describe(name) + ": " + what + "\n").c_str());
}

// The error a decoder's reason stands for: an unknown kind, a picture too large, or damage.
DWORD errorOf(const char* reason) {
    if (reason && std::strcmp(reason, tkp::image::kUnknownPictureKind) == 0) return ERROR_BAD_FORMAT;
    if (reason && (std::strstr(reason, "too large") || std::strstr(reason, "out of memory")))
        return ERROR_NOT_ENOUGH_MEMORY;
    return ERROR_INVALID_DATA;
}

// coverW x coverH: the least size the decoder may reduce the picture to (0: its own size).
bool decodeFromFile(LPCSTR name, tkp::image::BmpImage* image, int coverW = 0, int coverH = 0) {
    if (IS_INTRESOURCE(name)) return false;
    std::vector<std::uint8_t> bytes;
    bool tooLarge = false;
    const char* why = nullptr;
    if (!tkp::kernel::ReadRegularFile(name, kMaxFileBytes, &bytes, &tooLarge, &why)) {
        // A missing file (or a folder) is no fault worth reporting; a FIFO or device in a
        // picture's place is.
        struct stat st {};
        const bool present = ::stat(name, &st) == 0 && !S_ISDIR(st.st_mode);
        if (tooLarge || present) report(name, why ? why : "cannot be read");
        SetLastError(tooLarge  ? ERROR_NOT_ENOUGH_MEMORY
                     : present ? ERROR_INVALID_PARAMETER
                               : ERROR_FILE_NOT_FOUND);
        return false;
    }
    const char* reason = nullptr;
    if (!tkp::image::DecodePictureFile(bytes.data(), bytes.size(), image, &reason, coverW, coverH)) {
        report(name, reason);
        SetLastError(errorOf(reason));
        return false;
    }
    return true;
}

// A new bitmap of width x height holding the picture scaled onto (x, y, w, h) of it, the rest
// filled with fill; null (reported) when out of memory.
HANDLE scaledBitmap(LPCSTR name, const tkp::image::BmpImage& image, int width, int height, int x, int y,
                    int w, int h, std::uint32_t fill) {
    auto bitmap = std::make_unique<tkp::gdi::GdiBitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = image.bitsPerPixel;
    try {
        bitmap->pixels.assign(std::size_t(width) * std::size_t(height), fill);
    } catch (const std::bad_alloc&) {
        report(name, "out of memory");
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    std::uint32_t* at = bitmap->pixels.data() + std::size_t(y) * std::size_t(width) + std::size_t(x);
    if (!tkp::image::ScaleArea(image.pixels.data(), image.width, image.height, image.width, at, w, h,
                               width)) {
        report(name, "cannot be scaled");
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return bitmap.release();
}

bool decodeFromResource(HINSTANCE instance, LPCSTR name, tkp::image::BmpImage* image) {
    HRSRC res = FindResourceA(instance, name, RT_BITMAP);
    if (!res) return false;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(instance, res)));
    const char* reason = nullptr;
    if (!data || !tkp::image::DecodeDib(data, SizeofResource(instance, res), image, &reason)) {
        report(name, reason ? reason : "resource cannot be read");
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

}  // namespace

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    if (type != IMAGE_BITMAP || !name || cx < 0 || cy < 0 || cx > tkp::image::kBmpMaxSide ||
        cy > tkp::image::kBmpMaxSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    tkp::image::BmpImage image;
    const bool found =
        (flags & LR_LOADFROMFILE) ? decodeFromFile(name, &image) : decodeFromResource(instance, name, &image);
    if (!found) return nullptr;

    const int width = cx ? cx : image.width;
    const int height = cy ? cy : image.height;
    if (std::int64_t(width) * height > tkp::image::kBmpMaxPixels) {
        report(name, "requested size too large");
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (width != image.width || height != image.height)
        return scaledBitmap(name, image, width, height, 0, 0, width, height, 0);
    auto bitmap = std::make_unique<tkp::gdi::GdiBitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = image.bitsPerPixel;
    bitmap->pixels = std::move(image.pixels);
    HGDIOBJ handle = bitmap.release();
    return handle;
}

HANDLE tkp::gdi::LoadPictureInBox(LPCSTR path, int cx, int cy, double tolerance, COLORREF background) {
    if (!path || IS_INTRESOURCE(path) || cx < 1 || cy < 1 || cx > tkp::image::kBmpMaxSide ||
        cy > tkp::image::kBmpMaxSide || !(tolerance >= 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    // Twice the box leaves the area averaging enough pixels to smooth the result.
    tkp::image::BmpImage image;
    if (!decodeFromFile(path, &image, 2 * cx, 2 * cy)) return nullptr;
    const double aspect = double(image.width) / image.height;
    const double box = double(cx) / cy;
    if (std::fabs(aspect / box - 1.0) <= tolerance) return scaledBitmap(path, image, cx, cy, 0, 0, cx, cy, 0);
    // Fitted: the side that fills the box, the other scaled by the same factor and rounded.
    int w = cx;
    int h = cy;
    if (aspect > box)
        h = std::max(1, int(std::lround(double(cx) * image.height / image.width)));
    else
        w = std::max(1, int(std::lround(double(cy) * image.width / image.height)));
    const std::uint32_t fill = (std::uint32_t{GetRValue(background)} << 16) |
                               (std::uint32_t{GetGValue(background)} << 8) | GetBValue(background);
    return scaledBitmap(path, image, cx, cy, (cx - w) / 2, (cy - h) / 2, w, h, fill);
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    // A deleted or foreign handle is refused, not followed.
    if (!tkp::gdi::GdiIsLive(object)) return 0;
    if (object->kind != tkp::gdi::GdiKind::Bitmap) return object->Describe(size, buffer);
    if (!buffer) return int(sizeof(BITMAP));
    if (size < int(sizeof(BITMAP))) return 0;
    const auto* bitmap = static_cast<const tkp::gdi::GdiBitmap*>(object);
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = bitmap->width;
    bm.bmHeight = bitmap->height;
    bm.bmWidthBytes = LONG((std::int64_t(bitmap->width) * bitmap->bitsPerPixel + 31) / 32 * 4);
    bm.bmPlanes = 1;
    bm.bmBitsPixel = WORD(bitmap->bitsPerPixel);
    bm.bmBits = nullptr;
    std::memcpy(buffer, &bm, sizeof(bm));
    return int(sizeof(BITMAP));
}
