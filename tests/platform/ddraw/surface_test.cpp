// The DirectDraw object and its surfaces: setting display modes, the primary chain, surface
// creation and locks. (A new primary at the size of a new mode, lost and busy surfaces met while
// drawing, a device context refused while a surface is locked, and a lost display restored are the
// graphics and application tests'.)
#include <gtest/gtest.h>

#include <vector>

#include "platform/ddraw/surface_access.h"
#include "platform/headless/headless_display.h"
#include "platform/platform.h"
#include "platform/testing/test_hooks.h"
#include "tests/common/tk_test_surface.h"

using tk_test::Nums;
// Results of calls made one after another: a braced list is evaluated in order.
using Codes = std::vector<HRESULT>;

namespace {

// An empty description to be filled in.
DDSURFACEDESC surfaceDesc() {
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    return desc;
}

}  // namespace

// (Which modes are listed, and in which order, the application's mode list pins.)
TEST(DirectDraw, OnlyListedModesAreSetAndThePresentationFollows) {
    tkp::headless::ResetDisplay();
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    ASSERT_EQ(dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN), DD_OK);
    // A size from the settings file that the display does not offer.
    EXPECT_EQ(Nums(dd->SetDisplayMode(1000, 700, 16), tkp::headless::PresentationSize().width),
              Nums(DDERR_INVALIDMODE, 0));
    EXPECT_EQ(dd->SetDisplayMode(1024, 768, 16), DD_OK);
    EXPECT_EQ(tkp::headless::PresentationSize().height, 768);
    dd->Release();
    tkp::headless::ResetDisplay();
}

// (The chain's size is the mode's: the application's resolution test reads it in its frames.)
TEST(DirectDraw, TheBackBufferGoesWithItsPrimary) {
    const int before = tkp::testing::LiveSurfaceCount();
    {
        tk_test::Session session(1024, 768);
        EXPECT_EQ(tkp::testing::LiveSurfaceCount(), before + 2);
    }
    EXPECT_EQ(tkp::testing::LiveSurfaceCount(), before);
}

// (Sizes past the limits never reach here: pictures past them are refused by the decoders and
// LoadImageA, which share the surfaces' limits.)
TEST(DirectDraw, OffscreenSurfacesStartZeroed) {
    tk_test::Session session;
    LPDIRECTDRAWSURFACE s = tkp::ddraw::CreateOffscreenSurface(session.dd, 3, 2);
    EXPECT_EQ(tk_test::PixelsOf(s), std::vector<std::uint16_t>(6, 0));
    s->Release();
}

TEST(DirectDraw, LocksHandOutPitchedMemoryOnceAtATime) {
    tk_test::Session session;
    LPDIRECTDRAWSURFACE s = session.Surface(10, 6);
    DDSURFACEDESC desc = surfaceDesc();
    ASSERT_EQ(s->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DD_OK);
    EXPECT_EQ(Nums(desc.lPitch, desc.ddpfPixelFormat.dwGBitMask), Nums(24, 0x07E0));
    reinterpret_cast<std::uint16_t*>(static_cast<unsigned char*>(desc.lpSurface) + 3 * desc.lPitch)[4] =
        0xABCD;
    HDC dc = nullptr;
    EXPECT_EQ(
        (Codes{s->Lock(nullptr, &desc, 0, nullptr), s->GetDC(&dc), s->Unlock(nullptr), s->Unlock(nullptr)}),
        (Codes{DDERR_SURFACEBUSY, DDERR_SURFACEBUSY, DD_OK, DDERR_NOTLOCKED}));
    EXPECT_EQ(tk_test::PixelOf(s, 4, 3), 0xABCD);
    s->Release();
    // Surfaces outlive their DirectDraw object.
    LPDIRECTDRAW dd = nullptr;
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
    s = tkp::ddraw::CreateOffscreenSurface(dd, 7, 3);
    EXPECT_EQ(dd->Release(), 0u);
    EXPECT_EQ(s->Release(), 0u);
}

// The frame copy onto the primary compares and copies in one pass and presents only what changed,
// inside the rectangles of a hint when it has one; whatever else wrote to the primary in between
// (a lock, a device context, a restore after a loss) makes the next copy present the whole frame
// again. Each time the shown frame is the primary's.
TEST(DirectDraw, TheFrameCopyPresentsWhatChangedAndTheShownFrameStaysWhole) {
    tkp::headless::ResetDisplay();
    tk_test::Session session;
    auto shown = [] { return tkp::headless::LastFrame().pixels; };
    auto paint = [](LPDIRECTDRAWSURFACE s, int x, int y, std::uint16_t v) {
        tkp::ddraw::LockedSurface px(s);
        px.at(x, y) = v;
    };
    auto copy = [&] {
        return session.primary->BltFast(0, 0, session.back, nullptr, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT);
    };
    paint(session.back, 3, 4, 0x1234);
    ASSERT_EQ(copy(), DD_OK);
    const int first = tkp::headless::FrameCount();
    // A pixel at each corner and one in the middle change; then nothing changes.
    for (auto [x, y] : {std::pair{0, 0}, {799, 0}, {0, 599}, {799, 599}, {400, 300}})
        paint(session.back, x, y, 0xF800);
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(shown(), tk_test::PixelsOf(session.back));
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(Nums(tkp::headless::FrameCount() - first, shown() == tk_test::PixelsOf(session.primary)),
              "2,1");
    // Written behind the presenter's back, then copied over by the next frame.
    paint(session.primary, 10, 10, 0x07E0);
    HDC dc = nullptr;
    ASSERT_EQ(session.primary->GetDC(&dc), DD_OK);
    SetPixel(dc, 20, 20, RGB(0, 0, 255));
    session.primary->ReleaseDC(dc);
    paint(session.back, 40, 40, 0x001F);
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(shown(), tk_test::PixelsOf(session.back));
    // A hint limits the next copy's comparison to its rectangles, once.
    const RECT hinted[] = {{100, 100, 140, 120}, {0, 590, 10, 600}};
    paint(session.back, 120, 110, 0x0F0F);
    paint(session.back, 5, 595, 0x0F0F);
    tkp::ddraw::HintFrameChanges(session.back, hinted, 2);
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(shown(), tk_test::PixelsOf(session.back));
    paint(session.back, 700, 50, 0x0F0F);
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(shown(), tk_test::PixelsOf(session.back));
    tkp::ddraw::MarkSurfacesLost();
    EXPECT_EQ(copy(), DDERR_SURFACELOST);
    ASSERT_EQ(session.primary->Restore(), DD_OK);
    paint(session.back, 5, 5, 0xFFFF);
    EXPECT_EQ(copy(), DD_OK);
    EXPECT_EQ(shown(), tk_test::PixelsOf(session.back));
    tkp::headless::ResetDisplay();
}
