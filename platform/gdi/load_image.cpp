// LoadImageA and GetObjectA over the picture decoders and the area-averaging resampler.
#include <sys/stat.h>

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
constexpr std::uint64_t kMaxFileBytes = tkp_kBmpMaxPixels * 4 + (1 << 16);

std::string describe(LPCSTR name) {
    if (IS_INTRESOURCE(name)) return "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name));
    return name;
}

void report(LPCSTR name, const char* what) {
    OutputDebugStringA(("LoadImageA: " + describe(name) + ": " + what + "\n").c_str());
}

bool decodeFromFile(LPCSTR name, tkp_BmpImage* image) {
    if (IS_INTRESOURCE(name)) return false;
    std::vector<std::uint8_t> bytes;
    bool tooLarge = false;
    const char* why = nullptr;
    if (!tkp_ReadRegularFile(name, kMaxFileBytes, &bytes, &tooLarge, &why)) {
        // A missing file (or a folder) is no fault worth reporting; a FIFO or device in a
        // picture's place is.
        struct stat st {};
        const bool present = ::stat(name, &st) == 0 && !S_ISDIR(st.st_mode);
        if (tooLarge || present) report(name, why ? why : "cannot be read");
        SetLastError(tooLarge || present ? ERROR_INVALID_PARAMETER : ERROR_FILE_NOT_FOUND);
        return false;
    }
    const char* reason = nullptr;
    if (!tkp_DecodePictureFile(bytes.data(), bytes.size(), image, &reason)) {
        report(name, reason);
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

bool decodeFromResource(HINSTANCE instance, LPCSTR name, tkp_BmpImage* image) {
    HRSRC res = FindResourceA(instance, name, RT_BITMAP);
    if (!res) return false;
    const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(instance, res)));
    const char* reason = nullptr;
    if (!data || !tkp_DecodeDib(data, SizeofResource(instance, res), image, &reason)) {
        report(name, reason ? reason : "resource cannot be read");
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

}  // namespace

HANDLE LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags) {
    if (type != IMAGE_BITMAP || !name || cx < 0 || cy < 0 || cx > tkp_kBmpMaxSide || cy > tkp_kBmpMaxSide) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    tkp_BmpImage image;
    const bool found =
        (flags & LR_LOADFROMFILE) ? decodeFromFile(name, &image) : decodeFromResource(instance, name, &image);
    if (!found) return nullptr;

    const int width = cx ? cx : image.width;
    const int height = cy ? cy : image.height;
    if (std::int64_t(width) * height > tkp_kBmpMaxPixels) {
        report(name, "requested size too large");
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_unique<tkp_GdiBitmap>();
    bitmap->width = width;
    bitmap->height = height;
    bitmap->bitsPerPixel = image.bitsPerPixel;
    if (width == image.width && height == image.height) {
        bitmap->pixels = std::move(image.pixels);
    } else {
        try {
            bitmap->pixels.resize(std::size_t(width) * std::size_t(height));
        } catch (const std::bad_alloc&) {
            report(name, "out of memory");
            return nullptr;
        }
        tkp_ScaleArea(image.pixels.data(), image.width, image.height, image.width, bitmap->pixels.data(),
                      width, height, width);
    }
    HGDIOBJ handle = bitmap.release();
    return handle;
}

int GetObjectA(HGDIOBJ object, int size, LPVOID buffer) {
    // A deleted or foreign handle is refused, not followed.
    if (!tkp_GdiIsLive(object) || object->kind != tkp_GdiKind::Bitmap) return 0;
    if (!buffer) return int(sizeof(BITMAP));
    if (size < int(sizeof(BITMAP))) return 0;
    const auto* bitmap = static_cast<const tkp_GdiBitmap*>(object);
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
