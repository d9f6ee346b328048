// A DirectDraw surface in our own memory; internal to platform/ (callers see IDirectDrawSurface).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ddraw/ddraw.h"
#include "platform/pixels/blit.h"
#include "platform/pixels/pixel_memory.h"

namespace tkp::ddraw {

class Surface final : public IDirectDrawSurface {
  public:
    // A surface of width x height pixels with the given capabilities; null when memory runs out.
    static Surface* Create(int width, int height, DWORD caps);

    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
                LPDDBLTFX fx) override;
    HRESULT BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD trans) override;
    HRESULT GetAttachedSurface(LPDDSCAPS caps, LPDIRECTDRAWSURFACE* attached) override;
    HRESULT GetDC(HDC* dc) override;
    HRESULT ReleaseDC(HDC dc) override;
    HRESULT GetSurfaceDesc(LPDDSURFACEDESC desc) override;
    HRESULT IsLost() override;
    HRESULT Lock(LPRECT rect, LPDDSURFACEDESC desc, DWORD flags, HANDLE event) override;
    HRESULT Unlock(LPVOID pointer) override;
    HRESULT Restore() override;
    HRESULT SetColorKey(DWORD flags, LPDDCOLORKEY key) override;

    // The back buffer belongs to this primary surface and is destroyed with it.
    void AttachBackBuffer(Surface* back);
    tkp::pixels::PixelView View() { return {memory_.Data(), width_, height_, pitch_}; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int PitchBytes() const { return pitch_ * 2; }
    DWORD Caps() const { return caps_; }
    void MarkLost() {
        lost_ = true;
        presented_ = false;
    }
    void SetStillDrawing(int count) { stillDrawing_ = count > 0 ? count : 0; }

  private:
    Surface(int width, int height, int pitch, DWORD caps);
    ~Surface() override;

    // DDERR_WASSTILLDRAWING while the test hook says so (a waiting call just waits it out).
    HRESULT StillDrawing(bool wait);
    // DD_OK when the surface can be drawn on: not lost, not locked, no device context out.
    HRESULT Usable() const;
    // The whole surface when r is null; false when r is inverted or leaves the surface.
    bool ResolveRect(const RECT* r, RECT& out) const;
    HRESULT BlitChecks(Surface* source, bool wait);
    void PresentIfPrimary();
    // A whole-surface copy from a surface of the same size onto a primary that the backend shows
    // as it is: the copy takes only the rows and columns that differ, and only those are presented;
    // with a hint, only inside its rectangles.
    bool CopyChangesAndPresent(const tkp::pixels::PixelView& from, const std::vector<RECT>* hint);
    void FillLostPattern();

    tkp::pixels::PixelMemory memory_;
    int width_;
    int height_;
    int pitch_;  // in pixels
    DWORD caps_;
    ULONG refs_ = 1;
    bool lost_ = false;
    bool locked_ = false;
    int stillDrawing_ = 0;
    bool hasSourceKey_ = false;
    tkp::pixels::ColourKey sourceKey_{0, 0};
    HDC dc_ = nullptr;
    // The backend was last given exactly these pixels (a primary only): nothing has written to
    // them since it presented them.
    bool presented_ = false;
    Surface* backBuffer_ = nullptr;  // a primary's attached back buffer
    Surface* owner_ = nullptr;       // the primary a back buffer belongs to
};

}  // namespace tkp::ddraw
