// The DirectDraw object: display modes, cooperative level, mode changes, the primary chain,
// surface creation, reference counts, locks and palettes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/tk_test_files.h"
#include "tests/platform/ddraw/dd_test_util.h"

namespace {

struct Listed {
    std::vector<std::pair<DWORD, DWORD>> sizes;
    int cancelAfter = -1;
    bool formatsRight = true;
};

HRESULT Collect(LPDDSURFACEDESC mode, LPVOID context) {
    auto* listed = static_cast<Listed*>(context);
    listed->sizes.emplace_back(mode->dwWidth, mode->dwHeight);
    const DDPIXELFORMAT& f = mode->ddpfPixelFormat;
    listed->formatsRight = listed->formatsRight && f.dwRGBBitCount == 16 && f.dwRBitMask == 0xF800 &&
                           f.dwGBitMask == 0x07E0 && f.dwBBitMask == 0x001F &&
                           (mode->dwFlags & DDSD_REFRESHRATE) && mode->dwRefreshRate == 60;
    return static_cast<int>(listed->sizes.size()) == listed->cancelAfter ? DDENUMRET_CANCEL : DDENUMRET_OK;
}

}  // namespace

TEST(DirectDraw, EnumeratesTheBackendModesInOrderAndStopsWhenAsked) {
    tkp_HeadlessResetDisplay();
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    Listed all;
    EXPECT_EQ(dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &all, Collect), DD_OK);
    EXPECT_EQ(all.sizes,
              (std::vector<std::pair<DWORD, DWORD>>{{800, 600}, {1024, 768}, {1280, 1024}, {1920, 1080}}));
    EXPECT_TRUE(all.formatsRight);

    // A test's own list is offered as it stands, neighbours and repeats included.
    tkp_HeadlessSetDisplayModes({{640, 480}, {800, 600}, {800, 600}, {1024, 768}, {800, 600}});
    Listed odd;
    odd.cancelAfter = 4;
    EXPECT_EQ(dd->EnumDisplayModes(DDEDM_REFRESHRATES, nullptr, &odd, Collect), DD_OK);
    EXPECT_EQ(odd.sizes,
              (std::vector<std::pair<DWORD, DWORD>>{{640, 480}, {800, 600}, {800, 600}, {1024, 768}}));
    EXPECT_EQ(dd->EnumDisplayModes(0, nullptr, nullptr, nullptr), DDERR_INVALIDPARAMS);
    dd->Release();
    tkp_HeadlessResetDisplay();
}

TEST(DirectDraw, DisplayModeNeedsExclusiveLevelSixteenBitsAndAListedSize) {
    tkp_HeadlessResetDisplay();
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    EXPECT_EQ(dd->SetDisplayMode(1024, 768, 16), DDERR_NOEXCLUSIVEMODE);
    EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE), DDERR_INVALIDPARAMS);
    EXPECT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_FULLSCREEN), DDERR_INVALIDPARAMS);
    ASSERT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(dd->SetDisplayMode(1024, 768, 32), DDERR_INVALIDMODE);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: SetDisplayMode supports only 16 bits per pixel\n");
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(dd->SetDisplayMode(1000, 700, 16), DDERR_INVALIDMODE);
    EXPECT_EQ(tkp_HeadlessPresentationSize().width, 0);
    EXPECT_EQ(dd->SetDisplayMode(1024, 768, 16), DD_OK);
    EXPECT_EQ(tkp_HeadlessPresentationSize().width, 1024);
    EXPECT_EQ(tkp_HeadlessPresentationSize().height, 768);
    EXPECT_EQ(DirectDrawCreate(nullptr, nullptr, nullptr), DDERR_INVALIDPARAMS);
    dd->Release();
}

TEST(DirectDraw, PrimaryChainTakesTheModeSizeAndGoesWithItsPrimary) {
    const int before = tkp_LiveSurfaceCount();
    {
        ddt::Session session(1024, 768);
        ASSERT_NE(session.back, nullptr);
        EXPECT_EQ(tkp_LiveSurfaceCount(), before + 2);
        DDSURFACEDESC desc{};
        desc.dwSize = sizeof(desc);
        ASSERT_EQ(session.primary->GetSurfaceDesc(&desc), DD_OK);
        EXPECT_EQ(desc.dwWidth, 1024u);
        EXPECT_EQ(desc.dwHeight, 768u);
        EXPECT_EQ(desc.dwBackBufferCount, 1u);
        EXPECT_TRUE(desc.ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE);
        EXPECT_TRUE(desc.ddsCaps.dwCaps & DDSCAPS_FLIP);
        // The 32-bit Windows size of the record is accepted too.
        desc = {};
        desc.dwSize = 108;
        ASSERT_EQ(session.back->GetSurfaceDesc(&desc), DD_OK);
        EXPECT_EQ(desc.dwWidth, 1024u);
        EXPECT_TRUE(desc.ddsCaps.dwCaps & DDSCAPS_BACKBUFFER);
        desc.dwSize = 100;
        EXPECT_EQ(session.back->GetSurfaceDesc(&desc), DDERR_INVALIDPARAMS);

        // One primary at a time.
        DDSURFACEDESC again{};
        again.dwSize = sizeof(again);
        again.dwFlags = DDSD_CAPS;
        again.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
        LPDIRECTDRAWSURFACE second = nullptr;
        EXPECT_EQ(session.dd->CreateSurface(&again, &second, nullptr), DDERR_PRIMARYSURFACEALREADYEXISTS);
        EXPECT_EQ(second, nullptr);

        // The back buffer's own count never frees it: it lives as long as the primary.
        EXPECT_EQ(session.back->Release(), 1u);
        EXPECT_EQ(session.back->Release(), 0u);
        EXPECT_EQ(tkp_LiveSurfaceCount(), before + 2);
        DDSCAPS caps{DDSCAPS_OFFSCREENPLAIN};
        LPDIRECTDRAWSURFACE none = session.back;
        EXPECT_EQ(session.primary->GetAttachedSurface(&caps, &none), DDERR_NOTFOUND);
        EXPECT_EQ(none, nullptr);
    }
    EXPECT_EQ(tkp_LiveSurfaceCount(), before);
}

TEST(DirectDraw, PrimaryBeforeAnyModeIsTheDesktopAndNeedsACooperativeLevel) {
    tkp_HeadlessResetDisplay();
    tkp_HeadlessSetDesktopSize(1280, 1024);
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    LPDIRECTDRAWSURFACE primary = nullptr;
    EXPECT_EQ(dd->CreateSurface(&desc, &primary, nullptr), DDERR_NOCOOPERATIVELEVELSET);
    ASSERT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL), DD_OK);
    ASSERT_EQ(dd->CreateSurface(&desc, &primary, nullptr), DD_OK);
    ASSERT_EQ(primary->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(desc.dwWidth, 1280u);
    EXPECT_EQ(desc.dwFlags & DDSD_BACKBUFFERCOUNT, 0u);
    EXPECT_EQ(primary->Release(), 0u);
    EXPECT_EQ(dd->Release(), 0u);
    tkp_HeadlessResetDisplay();
}

TEST(DirectDraw, OffscreenSurfacesOfAnySizeAndTheirRefusals) {
    ddt::Session session;
    DDSURFACEDESC desc{};
    auto create = [&](DWORD flags, DWORD caps, DWORD w, DWORD h, LPDIRECTDRAWSURFACE* out) {
        desc.dwSize = sizeof(desc);
        desc.dwFlags = flags;
        desc.ddsCaps.dwCaps = caps;
        desc.dwWidth = w;
        desc.dwHeight = h;
        return session.dd->CreateSurface(&desc, out, nullptr);
    };
    const DWORD size = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    LPDIRECTDRAWSURFACE s = nullptr;
    EXPECT_EQ(create(size, DDSCAPS_OFFSCREENPLAIN, 0, 10, &s), DDERR_INVALIDPARAMS);
    EXPECT_EQ(create(DDSD_CAPS | DDSD_WIDTH, DDSCAPS_OFFSCREENPLAIN, 10, 10, &s), DDERR_INVALIDPARAMS);
    EXPECT_EQ(create(size, DDSCAPS_OFFSCREENPLAIN, 100000, 10, &s), DDERR_OUTOFMEMORY);
    EXPECT_EQ(create(size, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_BACKBUFFER, 10, 10, &s), DDERR_INVALIDCAPS);
    desc.ddpfPixelFormat = {sizeof(DDPIXELFORMAT), DDPF_RGB, 0, 16, 0x7C00, 0x03E0, 0x001F, 0};
    EXPECT_EQ(create(size | DDSD_PIXELFORMAT, DDSCAPS_OFFSCREENPLAIN, 4, 4, &s), DDERR_INVALIDPIXELFORMAT);
    tkp_SetCreateSurfaceFailures(1);
    EXPECT_EQ(create(size, DDSCAPS_OFFSCREENPLAIN, 10, 10, &s), DDERR_OUTOFMEMORY);
    EXPECT_EQ(s, nullptr);

    // A 1 x 1 surface: zero-filled, its row padded so a 32-bit read stays inside.
    ASSERT_EQ(create(size, DDSCAPS_OFFSCREENPLAIN, 1, 1, &s), DD_OK);
    ASSERT_EQ(s->Lock(nullptr, &desc, 0, nullptr), DD_OK);
    EXPECT_GE(desc.lPitch, 4);
    EXPECT_EQ(*static_cast<std::uint32_t*>(desc.lpSurface), 0u);
    s->Unlock(nullptr);
    EXPECT_EQ(s->AddRef(), 2u);
    EXPECT_EQ(s->Release(), 1u);
    EXPECT_EQ(s->Release(), 0u);
    // An odd width, in system memory, with a colour key given at creation.
    desc.ddckCKSrcBlt = {0x1234, 0x1234};
    ASSERT_EQ(create(size | DDSD_CKSRCBLT, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY, 235, 211, &s),
              DD_OK);
    ASSERT_EQ(s->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(desc.lPitch, 472);
    EXPECT_EQ(desc.ddsCaps.dwCaps, DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY);
    EXPECT_EQ(desc.ddpfPixelFormat.dwRGBBitCount, 16u);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceLowValue, 0x1234u);
    s->Release();
}

TEST(DirectDraw, LocksHandOutPitchedMemoryOnceAtATime) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE s = ddt::MakeSurface(session.dd, 10, 6);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(desc.dwWidth, 10u);
    EXPECT_EQ(desc.lPitch, 24);
    EXPECT_TRUE(desc.dwFlags & DDSD_LPSURFACE);
    EXPECT_EQ(desc.ddpfPixelFormat.dwGBitMask, 0x07E0u);
    auto* base = static_cast<unsigned char*>(desc.lpSurface);
    reinterpret_cast<std::uint16_t*>(base + 3 * desc.lPitch)[4] = 0xABCD;
    DDSURFACEDESC second{};
    second.dwSize = sizeof(second);
    EXPECT_EQ(s->Lock(nullptr, &second, 0, nullptr), DDERR_SURFACEBUSY);
    HDC dc = nullptr;
    EXPECT_EQ(s->GetDC(&dc), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->Unlock(nullptr), DD_OK);
    EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);

    // A locked rectangle starts at its own top-left pixel.
    RECT r{4, 3, 6, 5};
    ASSERT_EQ(s->Lock(&r, &second, 0, nullptr), DD_OK);
    EXPECT_EQ(*static_cast<std::uint16_t*>(second.lpSurface), 0xABCD);
    s->Unlock(nullptr);
    RECT outside{8, 0, 11, 2};
    RECT inverted{5, 0, 4, 2};
    EXPECT_EQ(s->Lock(&outside, &second, 0, nullptr), DDERR_INVALIDRECT);
    EXPECT_EQ(s->Lock(&inverted, &second, 0, nullptr), DDERR_INVALIDRECT);
    second.dwSize = 12;
    EXPECT_EQ(s->Lock(nullptr, &second, 0, nullptr), DDERR_INVALIDPARAMS);
    s->Release();
}

TEST(DirectDraw, ColourKeysTakeTheLowValueUnlessAColourSpaceIsGiven) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE s = ddt::MakeSurface(session.dd, 2, 2);
    DDCOLORKEY key{0x0011, 0x0099};
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    ASSERT_EQ(s->SetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    s->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceHighValue, 0x0011u);
    ASSERT_EQ(s->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &key), DD_OK);
    s->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.ddckCKSrcBlt.dwColorSpaceHighValue, 0x0099u);
    tkp_CaptureDebugOutput(true);
    EXPECT_EQ(s->SetColorKey(0x2 /* destination key */, &key), DDERR_INVALIDPARAMS);
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: SetColorKey supports only DDCKEY_SRCBLT\n");
    tkp_CaptureDebugOutput(false);
    ASSERT_EQ(s->SetColorKey(DDCKEY_SRCBLT, nullptr), DD_OK);
    s->GetSurfaceDesc(&desc);
    EXPECT_EQ(desc.dwFlags & DDSD_CKSRCBLT, 0u);
    s->Release();
}

TEST(DirectDraw, PalettesKeepTheirEntries) {
    ddt::Session session;
    PALETTEENTRY entries[256];
    for (int i = 0; i < 256; ++i) entries[i] = {BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    LPDIRECTDRAWPALETTE palette = nullptr;
    EXPECT_EQ(session.dd->CreatePalette(0, entries, &palette, nullptr), DDERR_INVALIDPARAMS);
    ASSERT_EQ(session.dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr), DD_OK);
    PALETTEENTRY got[2];
    ASSERT_EQ(palette->GetEntries(0, 254, 2, got), DD_OK);
    EXPECT_EQ(got[1].peRed, 255);
    EXPECT_EQ(got[0].peBlue, 127);
    EXPECT_EQ(palette->GetEntries(0, 255, 2, got), DDERR_INVALIDPARAMS);
    EXPECT_EQ(palette->Release(), 0u);
}

TEST(DirectDraw, SurfacesOutliveTheirDirectDrawObjectAndSaveAsPictures) {
    tk_test::ScopedWorkDir dir;
    tkp_HeadlessResetDisplay();
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    LPDIRECTDRAWSURFACE s = ddt::MakeSurface(dd, 7, 3);
    EXPECT_EQ(dd->Release(), 0u);
    ddt::Fill(s, 0xF800);
    ASSERT_TRUE(tkp_SaveSurfacePng(s, "red.png"));
    EXPECT_EQ(tk_test::ReadFile("red.png").substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_FALSE(tkp_SaveSurfacePng(nullptr, "none.png"));
    EXPECT_EQ(s->Release(), 0u);
}
