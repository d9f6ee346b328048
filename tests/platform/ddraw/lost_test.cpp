// Lost surfaces and their restore, a busy blitter, and surfaces with a device context out.
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/platform/ddraw/dd_test_util.h"

TEST(LostSurface, AnswersSurfaceLostUntilRestoredWithAPatternInIt) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE sheet = ddt::MakeSurface(session.dd, 5, 3);
    LPDIRECTDRAWSURFACE other = ddt::MakeSurface(session.dd, 5, 3);
    ddt::Fill(sheet, 0x1111);
    ddt::Fill(other, 0x2222);
    tkp_MarkSurfaceLost(sheet);
    EXPECT_EQ(sheet->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(other->IsLost(), DD_OK);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    HDC dc = nullptr;
    DDBLTFX fx{};
    fx.dwSize = sizeof(fx);
    EXPECT_EQ(sheet->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(sheet->GetDC(&dc), DDERR_SURFACELOST);
    EXPECT_EQ(dc, nullptr);
    EXPECT_EQ(sheet->BltFast(0, 0, other, nullptr, 0), DDERR_SURFACELOST);
    EXPECT_EQ(sheet->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_SURFACELOST);
    // A lost source fails the blit onto a healthy destination, which stays as it was.
    EXPECT_EQ(other->BltFast(0, 0, sheet, nullptr, 0), DDERR_SURFACELOST);
    EXPECT_EQ(other->Blt(nullptr, sheet, nullptr, DDBLT_WAIT, nullptr), DDERR_SURFACELOST);
    EXPECT_EQ(ddt::Pixel(other, 4, 2), 0x2222);
    // The description is still there; the memory comes back holding the pattern, not the picture.
    EXPECT_EQ(sheet->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(sheet->Restore(), DD_OK);
    EXPECT_EQ(sheet->IsLost(), DD_OK);
    ddt::ForEachPixel(sheet,
                      [](int x, int y, std::uint16_t& p) { EXPECT_EQ(p, tkp_LostPatternPixel(x, y)); });
    EXPECT_NE(tkp_LostPatternPixel(0, 0), tkp_LostPatternPixel(1, 0));
    // Restoring a surface that was not lost changes nothing.
    EXPECT_EQ(other->Restore(), DD_OK);
    EXPECT_EQ(ddt::Pixel(other, 0, 0), 0x2222);
    sheet->Release();
    other->Release();
}

TEST(LostSurface, ThePrimaryRestoresItsBackBufferAndTheBackBufferCannotRestoreAlone) {
    ddt::Session session;
    ddt::Fill(session.back, 0x0777);
    tkp_MarkSurfacesLost();
    EXPECT_EQ(session.primary->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(session.back->IsLost(), DDERR_SURFACELOST);
    const int frames = tkp_HeadlessFrameCount();
    EXPECT_EQ(session.primary->BltFast(0, 0, session.back, nullptr, DDBLTFAST_NOCOLORKEY), DDERR_SURFACELOST);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames);
    EXPECT_EQ(session.back->Restore(), DDERR_IMPLICITLYCREATED);
    EXPECT_EQ(session.primary->Restore(), DD_OK);
    EXPECT_EQ(session.back->IsLost(), DD_OK);
    EXPECT_EQ(ddt::Pixel(session.back, 3, 0), tkp_LostPatternPixel(3, 0));
    EXPECT_EQ(session.primary->BltFast(0, 0, session.back, nullptr, DDBLTFAST_NOCOLORKEY), DD_OK);
    EXPECT_EQ(tkp_HeadlessFrameCount(), frames + 1);
}

TEST(LostSurface, AChangeOfDisplayModeLosesEverySurfaceButTheSameModeDoesNot) {
    ddt::Session session(800, 600);
    LPDIRECTDRAWSURFACE sheet = ddt::MakeSurface(session.dd, 4, 4);
    ASSERT_EQ(session.dd->SetDisplayMode(800, 600, 16), DD_OK);
    EXPECT_EQ(sheet->IsLost(), DD_OK);
    ASSERT_EQ(session.dd->SetDisplayMode(1024, 768, 16), DD_OK);
    EXPECT_EQ(sheet->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(session.primary->IsLost(), DDERR_SURFACELOST);
    sheet->Release();
    // After the old chain is released, a new primary takes the new size.
    session.primary->Release();
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    desc.dwBackBufferCount = 1;
    ASSERT_EQ(session.dd->CreateSurface(&desc, &session.primary, nullptr), DD_OK);
    ASSERT_EQ(session.primary->GetSurfaceDesc(&desc), DD_OK);
    EXPECT_EQ(desc.dwWidth, 1024u);
    EXPECT_EQ(session.primary->IsLost(), DD_OK);
}

TEST(BusyBlitter, AnswersStillDrawingToCallsThatDoNotWait) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE src = ddt::MakeSurface(session.dd, 2, 2);
    LPDIRECTDRAWSURFACE dst = ddt::MakeSurface(session.dd, 2, 2);
    ddt::Fill(src, 0x4444);
    tkp_SetSurfaceStillDrawing(dst, 2);
    EXPECT_EQ(dst->BltFast(0, 0, src, nullptr, 0), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->BltFast(0, 0, src, nullptr, 0), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->BltFast(0, 0, src, nullptr, 0), DD_OK);
    EXPECT_EQ(ddt::Pixel(dst, 1, 1), 0x4444);
    // A busy source holds the blit up too; waiting calls wait it out.
    tkp_SetSurfaceStillDrawing(src, 5);
    EXPECT_EQ(dst->Blt(nullptr, src, nullptr, 0, nullptr), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->Blt(nullptr, src, nullptr, DDBLT_WAIT, nullptr), DD_OK);
    tkp_SetSurfaceStillDrawing(dst, 1);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    EXPECT_EQ(dst->Lock(nullptr, &desc, 0, nullptr), DDERR_WASSTILLDRAWING);
    EXPECT_EQ(dst->Lock(nullptr, &desc, 0, nullptr), DD_OK);
    dst->Unlock(nullptr);
    src->Release();
    dst->Release();
}

TEST(SurfaceDC, IsOneAtATimeAndKeepsBlitsOffTheSurfaceMeanwhile) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE s = ddt::MakeSurface(session.dd, 4, 4);
    LPDIRECTDRAWSURFACE other = ddt::MakeSurface(session.dd, 4, 4);
    HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    ASSERT_NE(dc, nullptr);
    HDC second = nullptr;
    EXPECT_EQ(s->GetDC(&second), DDERR_DCALREADYCREATED);
    EXPECT_EQ(other->BltFast(0, 0, s, nullptr, 0), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->BltFast(0, 0, other, nullptr, 0), DDERR_SURFACEBUSY);
    DDSURFACEDESC desc{};
    desc.dwSize = sizeof(desc);
    EXPECT_EQ(s->Lock(nullptr, &desc, 0, nullptr), DDERR_SURFACEBUSY);
    HDC otherDc = nullptr;
    ASSERT_EQ(other->GetDC(&otherDc), DD_OK);
    EXPECT_EQ(s->ReleaseDC(otherDc), DDERR_INVALIDPARAMS);
    EXPECT_EQ(other->ReleaseDC(otherDc), DD_OK);
    EXPECT_EQ(other->ReleaseDC(otherDc), DDERR_NODC);
    EXPECT_EQ(SetPixel(dc, 1, 1, RGB(255, 0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(s->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(ddt::Pixel(s, 1, 1), 0xF800);
    // A DC given back is a dead handle: drawing through it does nothing.
    EXPECT_EQ(SetPixel(dc, 2, 2, RGB(255, 0, 0)), CLR_INVALID);
    EXPECT_EQ(ddt::Pixel(s, 2, 2), 0x0000);
    other->Release();
    // A surface released with its DC out takes the DC with it.
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    tkp_CaptureDebugOutput(true);
    s->Release();
    EXPECT_EQ(tkp_TakeDebugOutput(), "ddraw: surface released with its device context still out\n");
    tkp_CaptureDebugOutput(false);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_FALSE(Rectangle(dc, 0, 0, 4, 4));
}

TEST(SurfaceHandles, AReleasedOrForeignSurfaceIsRefusedAsASource) {
    ddt::Session session;
    LPDIRECTDRAWSURFACE dst = ddt::MakeSurface(session.dd, 4, 4);
    LPDIRECTDRAWSURFACE gone = ddt::MakeSurface(session.dd, 4, 4);
    gone->Release();
    EXPECT_EQ(dst->BltFast(0, 0, gone, nullptr, 0), DDERR_INVALIDOBJECT);
    EXPECT_EQ(dst->Blt(nullptr, gone, nullptr, 0, nullptr), DDERR_INVALIDOBJECT);
    tkp_MarkSurfaceLost(gone);  // ignored for a surface that is no more
    tkp_SetSurfaceStillDrawing(gone, 3);
    EXPECT_FALSE(tkp_SaveSurfacePng(gone, "gone.png"));
    dst->Release();
}
