// Colours on surfaces: an 8-bit palette from a bitmap's colour table, an RGB colour as a surface's
// own pixel value, and a source colour key from an RGB colour.
#include <cstdio>
#include <cstring>

#include "framework/graphics/tk_DDBitmap.h"
#include "platform/ddraw/surface_access.h"
#include "platform/kernel/regular_file.h"

namespace {

constexpr int kEntries = 256;
constexpr int kInfoHeaderSize = 40;
// A busy surface is asked again, but not for ever.
constexpr int kMaxLockTries = 10000;

DWORD le32(const BYTE* p) {
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

// Colours of an info header's table: its count of colours used, else 2 to the bit count; 0 above
// 8 bits per pixel. Never more than the palette holds.
int colourCount(const BYTE* header) {
    const DWORD bits = static_cast<DWORD>(header[14]) | static_cast<DWORD>(header[15]) << 8;
    if (bits > 8) return 0;
    DWORD used = le32(header + 32);
    if (used == 0) used = DWORD{1} << bits;
    return used > kEntries ? kEntries : static_cast<int>(used);
}

// The 3-3-2 palette: three bits of red, three of green, two of blue.
void defaultPalette(PALETTEENTRY* entries) {
    for (int i = 0; i < kEntries; ++i) {
        entries[i].peRed = static_cast<BYTE>(((i >> 5) & 7) * 255 / 7);
        entries[i].peGreen = static_cast<BYTE>(((i >> 2) & 7) * 255 / 7);
        entries[i].peBlue = static_cast<BYTE>((i & 3) * 255 / 3);
        entries[i].peFlags = 0;
    }
}

// Entries from a bitmap resource (an info header, then its table of blue, green, red, reserved);
// only as many as the resource holds.
void fromResource(HRSRC resource, PALETTEENTRY* entries) {
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, resource)));
    if (!data) {
        OutputDebugStringA("lock resource failed\n");
        return;
    }
    const DWORD size = SizeofResource(nullptr, resource);
    if (size < kInfoHeaderSize) return;
    const DWORD headerSize = le32(data);
    if (headerSize < kInfoHeaderSize || headerSize > size) return;
    int n = colourCount(data);
    const DWORD inTable = (size - headerSize) / 4;
    if (static_cast<DWORD>(n) > inTable) n = static_cast<int>(inTable);
    const BYTE* table = data + headerSize;
    for (int i = 0; i < n; ++i) {
        entries[i].peRed = table[4 * i + 2];
        entries[i].peGreen = table[4 * i + 1];
        entries[i].peBlue = table[4 * i];
        entries[i].peFlags = 0;
    }
}

// Entries from a BMP file: the 1024 bytes after the headers go straight into the entries, and
// those of the colour table get red and blue swapped into place. False when it does not open.
bool fromFile(const char* name, PALETTEENTRY* entries) {
    std::FILE* file = tkp::kernel::OpenRegularStream(name);
    if (!file) return false;
    BYTE fileHeader[14];
    BYTE info[kInfoHeaderSize];
    BYTE table[kEntries * 4];
    const bool headers = std::fread(fileHeader, 1, sizeof fileHeader, file) == sizeof fileHeader &&
                         std::fread(info, 1, sizeof info, file) == sizeof info;
    // A short file fills only the entries it holds; the rest keep the default.
    const std::size_t got = headers ? std::fread(table, 1, sizeof table, file) : 0;
    std::fclose(file);
    const int read = static_cast<int>(got / 4);
    std::memcpy(entries, table, static_cast<std::size_t>(read) * 4);
    int n = headers && le32(info) == kInfoHeaderSize ? colourCount(info) : 0;
    if (n > read) n = read;
    for (int i = 0; i < n; ++i) {
        BYTE blue = entries[i].peRed;
        entries[i].peRed = entries[i].peBlue;
        entries[i].peBlue = blue;
    }
    return true;
}

}  // namespace

IDirectDrawPalette* DDLoadPalette(IDirectDraw* dd, const char* name) {
    PALETTEENTRY entries[kEntries];
    defaultPalette(entries);
    if (name) {
        if (HRSRC resource = FindResourceA(nullptr, name, RT_BITMAP)) {
            fromResource(resource, entries);
        } else {
            fromFile(name, entries);
        }
    }
    IDirectDrawPalette* palette = nullptr;
    if (!dd || dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr) != DD_OK) return nullptr;
    return palette;
}

DWORD DDPixelOfColour(IDirectDrawSurface* surface, COLORREF colour) {
    if (!surface) return CLR_INVALID;
    DWORD result = CLR_INVALID;
    COLORREF kept = CLR_INVALID;
    bool written = false;
    // Let GDI convert the colour by writing it into pixel (0, 0).
    if (colour != CLR_INVALID) {
        tkp::ddraw::SurfaceDC dc(surface);
        if (dc.ok()) {
            kept = GetPixel(dc, 0, 0);
            SetPixel(dc, 0, 0, colour);
            written = true;
        }
    }
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    HRESULT locked = DDERR_WASSTILLDRAWING;
    for (int i = 0; i < kMaxLockTries && locked == DDERR_WASSTILLDRAWING; ++i)
        locked = surface->Lock(nullptr, &desc, 0, nullptr);
    if (locked == DD_OK) {
        // Only the bytes of the first pixel: a surface may hold no more than that.
        DWORD bits = desc.ddpfPixelFormat.dwRGBBitCount;
        if (bits == 0) bits = 16;
        if (bits > 32) bits = 32;
        const std::size_t bytes = (bits + 7) / 8;
        BYTE first[4] = {0, 0, 0, 0};
        std::memcpy(first, desc.lpSurface, bytes);
        result = le32(first);
        if (bits < 32) result &= (DWORD{1} << bits) - 1;
        surface->Unlock(nullptr);
    }
    if (written) {
        tkp::ddraw::SurfaceDC dc(surface);
        if (dc.ok()) SetPixel(dc, 0, 0, kept);
    }
    return result;
}

HRESULT DDSetSourceColourKey(IDirectDrawSurface* surface, COLORREF colour) {
    if (!surface) return DDERR_INVALIDPARAMS;
    const DWORD pixel = DDPixelOfColour(surface, colour);
    // A surface that cannot be locked gives no value worth keying on.
    if (pixel == CLR_INVALID) return DDERR_GENERIC;
    DDCOLORKEY key{pixel, pixel};
    return surface->SetColorKey(DDCKEY_SRCBLT, &key);
}
