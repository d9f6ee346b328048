// The scoped device context: whatever way a drawing scope ends, the objects it selected are put
// back and the context goes back to its surface; a refused context is reported and nothing is
// given back.
#include <gtest/gtest.h>

#include "platform/ddraw/surface_access.h"
#include "platform/platform.h"

namespace {

// A surface lending one memory DC that outlives every hand-out, so that the test can look at what
// is selected in it once the guard has given it back.
class LendingSurface : public IDirectDrawSurface {
  public:
    LendingSurface() : dc(CreateCompatibleDC(nullptr)) {}
    ~LendingSurface() override { DeleteDC(dc); }

    HDC dc;
    HRESULT answer = DD_OK;
    int lent = 0, returned = 0;

    HRESULT GetDC(HDC* out) override {
        *out = answer == DD_OK ? dc : nullptr;
        lent += answer == DD_OK;
        return answer;
    }
    HRESULT ReleaseDC(HDC back) override {
        returned += back == dc;
        return back == dc ? DD_OK : DDERR_INVALIDPARAMS;
    }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT Blt(LPRECT, LPDIRECTDRAWSURFACE, LPRECT, DWORD, LPDDBLTFX) override { return DDERR_GENERIC; }
    HRESULT BltFast(DWORD, DWORD, LPDIRECTDRAWSURFACE, LPRECT, DWORD) override { return DDERR_GENERIC; }
    HRESULT GetAttachedSurface(LPDDSCAPS, LPDIRECTDRAWSURFACE*) override { return DDERR_GENERIC; }
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC) override { return DDERR_GENERIC; }
    HRESULT IsLost() override { return DD_OK; }
    HRESULT Lock(LPRECT, LPDDSURFACEDESC, DWORD, HANDLE) override { return DDERR_GENERIC; }
    HRESULT Unlock(LPVOID) override { return DDERR_GENERIC; }
    HRESULT Restore() override { return DD_OK; }
    HRESULT SetColorKey(DWORD, LPDDCOLORKEY) override { return DDERR_GENERIC; }
};

struct Selected {
    HGDIOBJ pen, brush, font;
    bool operator==(const Selected&) const = default;
};

// What the DC holds, found by swapping a probe of each kind in and straight back out.
Selected selectedIn(HDC dc) {
    auto current = [dc](int probe) {
        HGDIOBJ held = SelectObject(dc, GetStockObject(probe));
        SelectObject(dc, held);
        return held;
    };
    return {current(NULL_PEN), current(NULL_BRUSH), current(ANSI_VAR_FONT)};
}

}  // namespace

TEST(SurfaceDC, PutsBackItsSelectionsAndReturnsTheContextOnEveryWayOut) {
    LendingSurface surface;
    const Selected before = selectedIn(surface.dc);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HPEN blue = CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));

    // Scopes that end early, late, after putting one original back by hand, and after replacing
    // the same kind several times.
    for (int stop = 0; stop < 4; ++stop) {
        SCOPED_TRACE(stop);
        [&] {
            tkp::ddraw::SurfaceDC dc(&surface);
            ASSERT_TRUE(dc.ok());
            EXPECT_EQ(dc.get(), surface.dc);
            EXPECT_EQ(dc.select(red), before.pen);
            EXPECT_EQ(dc.select(green), before.brush);
            if (stop == 0) return;
            EXPECT_EQ(dc.select(blue), red);
            EXPECT_EQ(dc.select(GetStockObject(DEFAULT_GUI_FONT)), before.font);
            if (stop == 1) return;
            EXPECT_EQ(dc.select(before.pen), blue);
            if (stop == 2) return;
            dc.select(red);
            dc.select(GetStockObject(WHITE_BRUSH));
        }();
        EXPECT_EQ(selectedIn(surface.dc), before);
        EXPECT_EQ(surface.returned, surface.lent);
    }
    EXPECT_EQ(surface.lent, 4);

    // A refused context is reported as the surface answered, draws nothing and is never given back.
    surface.answer = DDERR_SURFACELOST;
    {
        tkp::ddraw::SurfaceDC dc(&surface);
        EXPECT_FALSE(dc.ok());
        EXPECT_EQ(dc.result(), DDERR_SURFACELOST);
        EXPECT_EQ(dc.select(red), nullptr);
    }
    tkp::ddraw::SurfaceDC none(nullptr);
    EXPECT_FALSE(none.ok());
    EXPECT_EQ(none.result(), DDERR_INVALIDOBJECT);
    EXPECT_EQ(surface.returned, 4);
    EXPECT_EQ(selectedIn(surface.dc), before);

    for (HGDIOBJ o : {HGDIOBJ(red), HGDIOBJ(blue), HGDIOBJ(green)}) DeleteObject(o);
}
