// A surface's device context held for one scope: taken in the constructor, given back (with the
// objects selected through it put back first) in the destructor, whichever way the scope ends.
#pragma once

#include "platform/ddraw/ddraw.h"

namespace tkp::ddraw {

class SurfaceDC {
  public:
    // Asks the surface for its device context; ok() says whether it gave one.
    explicit SurfaceDC(IDirectDrawSurface* surface);
    // Selects back what select() replaced, then returns the context to the surface.
    ~SurfaceDC();
    SurfaceDC(const SurfaceDC&) = delete;
    SurfaceDC& operator=(const SurfaceDC&) = delete;

    bool ok() const { return dc_ != nullptr; }
    // What GetDC answered (DDERR_INVALIDOBJECT without a surface); DD_OK with a null context counts
    // as a failure all the same.
    HRESULT result() const { return result_; }
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

    // SelectObject on this context, remembering the object each kind had before the first
    // selection of that kind so that the destructor can put it back. Null without a context.
    HGDIOBJ select(HGDIOBJ object);

  private:
    // A context holds one pen, brush, font and bitmap at a time, so at most that many originals.
    static constexpr int kKinds = 4;

    IDirectDrawSurface* surface_ = nullptr;
    HDC dc_ = nullptr;
    HRESULT result_ = DDERR_INVALIDOBJECT;
    HGDIOBJ originals_[kKinds] = {};
    HGDIOBJ ours_[kKinds] = {};
    int count_ = 0;
};

}  // namespace tkp::ddraw
