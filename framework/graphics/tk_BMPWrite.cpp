// Surfaces into 24-bit BMP files: the rectangle checked before anything is allocated, the pixels
// read through one lock of the surface, the file written beside its target and renamed into place.
#define TK_MODULE "TK_DBMP_w"
#include <cstdint>
#include <string>
#include <vector>

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_BMPFormat.h"
#include "framework/graphics/tk_PixelFormat16.h"
#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_LOG.h"
#include "platform/ddraw/surface_access.h"

namespace {

// One line naming the file and why it was not written.
void notWritten(const char* text, const char* file, const std::string& why) {
    TK_LOG(text, (std::string(file ? file : "") + ": " + why).c_str());
}

std::string rectangle(int x1, int y1, int x2, int y2, const DDSURFACEDESC& desc) {
    return std::to_string(x1) + "," + std::to_string(y1) + " - " + std::to_string(x2) + "," +
           std::to_string(y2) + " is not inside the surface of " + std::to_string(desc.dwWidth) + " x " +
           std::to_string(desc.dwHeight);
}

}  // namespace

int tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* surface, int x1, int y1, int x2, int y2,
                                     const char* file) {
    if (!file || !*file) {
        TK_LOG_ERR("tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE - no file name");
        return 0;
    }
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    if (!surface || surface->GetSurfaceDesc(&desc) != DD_OK) {
        notWritten("TSKW ERROR: no surface to write", file, "no surface");
        return 0;
    }
    // Checked before anything is allocated or opened: the rectangle lies inside the surface.
    const long long w = static_cast<long long>(x2) - x1 + 1;
    const long long h = static_cast<long long>(y2) - y1 + 1;
    if (x1 < 0 || y1 < 0 || w < 1 || h < 1 || x2 >= static_cast<long long>(desc.dwWidth) ||
        y2 >= static_cast<long long>(desc.dwHeight)) {
        notWritten("TSKW ERROR: rectangle refused", file, rectangle(x1, y1, x2, y2, desc));
        return 0;
    }
    std::uint32_t stride = 0;
    if (!tk_BMP_Layout(static_cast<int>(w), static_cast<int>(h), &stride, nullptr)) {
        notWritten("TSKW ERROR: picture too large for a BMP file", file,
                   std::to_string(w) + " x " + std::to_string(h));
        return 0;
    }
    tk_PixelFormat16 format;
    if (!format.Read(desc.ddpfPixelFormat)) {
        notWritten("TSKW ERROR: surface format refused", file, "not 16-bit RGB");
        return 0;
    }
    tkp::ddraw::LockedSurface pixels(surface, DDLOCK_WAIT | DDLOCK_READONLY);
    if (!pixels.ok()) {
        notWritten("TSKW ERROR: surface pixels cannot be read", file,
                   surface->IsLost() != DD_OK ? "the surface was lost" : "the surface cannot be locked");
        return 0;
    }
    tk_AtomicFile out(file);
    if (!out.ok()) {
        notWritten("Chyba pri otvaraní suboru", file, out.Error());
        return 0;
    }
    std::uint8_t headers[tk_BMP_HEADERS_SIZE];
    tk_BMP_Headers(static_cast<int>(w), static_cast<int>(h), headers);
    if (!out.Write(headers, 14)) {
        notWritten("PROBLEM pri fHeader zapise", file, out.Error());
        return 0;
    }
    if (!out.Write(headers + 14, tk_BMP_HEADERS_SIZE - 14)) {
        notWritten("PROBLEM pri iHeader zapise", file, out.Error());
        return 0;
    }
    // One buffer for every row; its padding bytes stay 0.
    std::vector<std::uint8_t> row(stride, 0);
    for (int y = y2; y >= y1; --y) {
        format.ToBGR(pixels.row(y) + x1, static_cast<int>(w), row.data());
        if (!out.Write(row.data(), row.size())) {
            notWritten("TSKW ERROR: pixel rows not written", file, out.Error());
            return 0;
        }
    }
    if (!out.Commit()) {
        notWritten("TSKW ERROR: file not finished", file, out.Error());
        return 0;
    }
    return 1;
}

int tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* surface, const char* file) {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    if (surface && surface->GetSurfaceDesc(&desc) != DD_OK) surface = nullptr;
    return tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(surface, 0, 0, static_cast<int>(desc.dwWidth) - 1,
                                            static_cast<int>(desc.dwHeight) - 1, file);
}
