// Helpers for surface tests: a display session on the headless backend, pixel access through
// Lock, and pictures of surface regions as text for exact comparisons.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/ddraw/surface_access.h"
#include "platform/headless/headless_display.h"
#include "platform/platform.h"
#include "tests/platform/debug_log.h"

namespace ddt {

// A DirectDraw object in exclusive mode at width x height, with a primary and its back buffer.
struct Session {
    LPDIRECTDRAW dd = nullptr;
    LPDIRECTDRAWSURFACE primary = nullptr;
    LPDIRECTDRAWSURFACE back = nullptr;

    explicit Session(int width = 800, int height = 600) {
        tkp_HeadlessResetDisplay();
        EXPECT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
        EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
        EXPECT_EQ(dd->SetDisplayMode(width, height, 16), DD_OK);
        EXPECT_EQ(MakePrimary(), DD_OK);
    }
    ~Session() {
        if (primary) primary->Release();
        if (dd) dd->Release();
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // A flipping primary with one back buffer, as the framework makes it.
    HRESULT MakePrimary() {
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
        desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
        desc.dwBackBufferCount = 1;
        const HRESULT r = dd->CreateSurface(&desc, &primary, nullptr);
        DDSCAPS caps{DDSCAPS_BACKBUFFER};
        if (primary) {
            EXPECT_EQ(primary->GetAttachedSurface(&caps, &back), DD_OK);
        }
        return r;
    }
};

inline LPDIRECTDRAWSURFACE MakeSurface(LPDIRECTDRAW dd, int width, int height) {
    LPDIRECTDRAWSURFACE s = tkp_CreateOffscreenSurface(dd, width, height);
    EXPECT_NE(s, nullptr);
    return s;
}

// A blit effects record of the current size.
inline DDBLTFX Fx() {
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    return fx;
}

// Calls f(x, y, pixel&) for every pixel of the surface, through a lock.
template <typename F>
void ForEachPixel(LPDIRECTDRAWSURFACE s, F f) {
    tkp_LockedSurface px(s);
    ASSERT_TRUE(px.ok());
    for (int y = 0; y < px.height(); ++y)
        for (int x = 0; x < px.width(); ++x) f(x, y, px.at(x, y));
}

inline void Fill(LPDIRECTDRAWSURFACE s, std::uint16_t value) {
    ForEachPixel(s, [&](int, int, std::uint16_t& p) { p = value; });
}

// A different value in every pixel of a surface up to 256 pixels wide: (y << 8) | x.
inline std::uint16_t Index(int x, int y) {
    return static_cast<std::uint16_t>((y << 8) | x);
}
inline void PaintIndex(LPDIRECTDRAWSURFACE s) {
    ForEachPixel(s, [](int x, int y, std::uint16_t& p) { p = Index(x, y); });
}

inline std::uint16_t Pixel(LPDIRECTDRAWSURFACE s, int x, int y) {
    std::uint16_t value = 0xDEAD;
    ForEachPixel(s, [&](int px, int py, std::uint16_t& p) {
        if (px == x && py == y) value = p;
    });
    return value;
}

inline std::vector<std::uint16_t> Pixels(LPDIRECTDRAWSURFACE s) {
    std::vector<std::uint16_t> all;
    ForEachPixel(s, [&](int, int, std::uint16_t& p) { all.push_back(p); });
    return all;
}

// Rows of the region (left, top) .. (right, bottom) exclusive, one character per pixel from the
// legend; '?' for a value the legend lacks.
inline std::vector<std::string> Art(LPDIRECTDRAWSURFACE s, RECT r,
                                    const std::map<std::uint16_t, char>& legend) {
    std::vector<std::string> rows(static_cast<std::size_t>(r.bottom - r.top),
                                  std::string(static_cast<std::size_t>(r.right - r.left), ' '));
    ForEachPixel(s, [&](int x, int y, std::uint16_t& p) {
        if (x < r.left || x >= r.right || y < r.top || y >= r.bottom) return;
        auto found = legend.find(p);
        rows[static_cast<std::size_t>(y - r.top)][static_cast<std::size_t>(x - r.left)] =
            found == legend.end() ? '?' : found->second;
    });
    return rows;
}

}  // namespace ddt
