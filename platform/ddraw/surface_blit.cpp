// Blt and BltFast: checks in DirectDraw's order, then the pixel loops of blit.cpp. Rectangles are
// never clipped: one that is inverted or leaves its surface answers DDERR_INVALIDRECT, as
// DirectDraw does without a clipper, and nothing is touched.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/base/backend.h"
#include "platform/ddraw/display_state.h"
#include "platform/ddraw/surface.h"
#include "platform/ddraw/surface_access.h"
#include "platform/ddraw/surface_desc.h"
#include "platform/kernel/debug.h"
#include "platform/pixels/frame_changes.h"

namespace {

constexpr DWORD kBltSupported = DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_ASYNC | DDBLT_COLORFILL | DDBLT_DDFX |
                                DDBLT_KEYSRC | DDBLT_KEYSRCOVERRIDE | DDBLT_WAIT | DDBLT_DONOTWAIT;
constexpr DWORD kBltNeedsFx =
    DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_COLORFILL | DDBLT_DDFX | DDBLT_KEYSRCOVERRIDE;
constexpr DWORD kBltFastSupported = DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT | DDBLTFAST_DONOTWAIT;

bool empty(const RECT& r) {
    return r.right == r.left || r.bottom == r.top;
}

bool overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The source alpha constant as 0..255; a bit depth of 0 counts as 8.
int alphaOf(const DDBLTFX& fx) {
    DWORD bits = fx.dwAlphaSrcConstBitDepth == 0 ? 8 : fx.dwAlphaSrcConstBitDepth;
    if (bits > 32) bits = 32;
    std::uint64_t max = (std::uint64_t{1} << bits) - 1;
    std::uint64_t value = fx.dwAlphaSrcConst > max ? max : fx.dwAlphaSrcConst;
    return static_cast<int>(value * 255 / max);
}

void unsupported(const char* call, DWORD flags) {
    char line[96];
    std::snprintf(line, sizeof line, "ddraw: %s flags 0x%08X not supported\n", call,
                  static_cast<unsigned>(flags));
    OutputDebugStringA(line);
}

// A private copy of source rect s, for blits whose source and destination overlap. s is taken by
// value since callers pass the same rectangle as local.
tkp::pixels::PixelView copyOut(const tkp::pixels::PixelView& src, const RECT s, RECT& local) {
    thread_local std::vector<std::uint16_t> scratch;
    const int w = s.right - s.left;
    const int h = s.bottom - s.top;
    scratch.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    tkp::pixels::PixelView copy{scratch.data(), w, h, w};
    local = {0, 0, w, h};
    tkp::pixels::CopyPixels(copy, 0, 0, src, s);
    return copy;
}

// The promise of tkp::ddraw::HintFrameChanges: the source it was given for, and its rectangles.
struct FrameHint {
    const void* source = nullptr;
    std::vector<RECT> rects;
};

FrameHint& frameHint() {
    static FrameHint hint;
    return hint;
}

}  // namespace

void tkp::ddraw::HintFrameChanges(IDirectDrawSurface* source, const RECT* rects, int count) {
    FrameHint& hint = frameHint();
    hint.source = source;
    hint.rects.assign(rects, rects + (rects && count > 0 ? count : 0));
}

HRESULT tkp::ddraw::Surface::BlitChecks(tkp::ddraw::Surface* source, bool wait) {
    if (HRESULT busy = StillDrawing(wait); busy != DD_OK) return busy;
    if (source && source != this) {
        if (HRESULT busy = source->StillDrawing(wait); busy != DD_OK) return busy;
    }
    if (lost_ || (source && source->lost_)) return DDERR_SURFACELOST;
    if (HRESULT state = Usable(); state != DD_OK) return state;
    if (source) return source->Usable();
    return DD_OK;
}

void tkp::ddraw::Surface::PresentIfPrimary() {
    if (!(caps_ & DDSCAPS_PRIMARYSURFACE)) return;
    tkp::base::backend::Present(memory_.Data(), width_, height_, PitchBytes());
    presented_ = true;
}

bool tkp::ddraw::Surface::CopyChangesAndPresent(const tkp::pixels::PixelView& from,
                                                const std::vector<RECT>* hint) {
    if (!(caps_ & DDSCAPS_PRIMARYSURFACE) || !presented_ || from.pixels == memory_.Data() ||
        from.width != width_ || from.height != height_)
        return false;
    std::vector<RECT> changes;
    if (hint) {
        for (RECT r : *hint) {
            r.left = std::max<LONG>(r.left, 0);
            r.top = std::max<LONG>(r.top, 0);
            r.right = std::min<LONG>(r.right, width_);
            r.bottom = std::min<LONG>(r.bottom, height_);
            tkp::pixels::TakeAreaChanges(View(), from.pixels, from.pitch, r, changes);
        }
    } else {
        changes = tkp::pixels::TakeFrameChanges(View(), from.pixels, from.pitch);
    }
    tkp::base::backend::PresentChanges(memory_.Data(), width_, height_, PitchBytes(), changes);
    return true;
}

HRESULT tkp::ddraw::Surface::BltFast(DWORD x, DWORD y, LPDIRECTDRAWSURFACE source, LPRECT sourceRect,
                                     DWORD trans) {
    if (trans & ~kBltFastSupported) {
        unsupported("BltFast", trans);
        return DDERR_UNSUPPORTED;
    }
    if (!source) return DDERR_INVALIDPARAMS;
    tkp::ddraw::Surface* src = tkp::ddraw::FindSurface(source);
    if (!src) return DDERR_INVALIDOBJECT;
    // A promise about this source holds for this call only, whatever comes of it.
    std::vector<RECT> hinted;
    const bool hasHint = frameHint().source == source;
    if (hasHint) {
        hinted.swap(frameHint().rects);
        frameHint().source = nullptr;
    }
    if (HRESULT state = BlitChecks(src, (trans & DDBLTFAST_WAIT) != 0); state != DD_OK) return state;
    RECT s;
    if (!src->ResolveRect(sourceRect, s)) return DDERR_INVALIDRECT;
    const std::int64_t right = std::int64_t{x} + (s.right - s.left);
    const std::int64_t bottom = std::int64_t{y} + (s.bottom - s.top);
    if (right > width_ || bottom > height_) return DDERR_INVALIDRECT;
    if (empty(s)) return DD_OK;
    const int dx = static_cast<int>(x);
    const int dy = static_cast<int>(y);
    tkp::pixels::PixelView from = src->View();
    const bool keyed = (trans & DDBLTFAST_SRCCOLORKEY) && src->hasSourceKey_;
    // The frame of each tick: compared with the shown one and copied in the same pass.
    if (!keyed && dx == 0 && dy == 0 && sourceRect == nullptr &&
        CopyChangesAndPresent(from, hasHint ? &hinted : nullptr))
        return DD_OK;
    if (!keyed) {
        tkp::pixels::CopyPixels(View(), dx, dy, from, s);
    } else {
        RECT d{dx, dy, static_cast<LONG>(right), static_cast<LONG>(bottom)};
        if (src == this && overlap(s, d)) from = copyOut(from, s, s);
        tkp::pixels::CopyPixelsKeyed(View(), dx, dy, from, s, src->sourceKey_);
    }
    PresentIfPrimary();
    return DD_OK;
}

HRESULT tkp::ddraw::Surface::Blt(LPRECT destRect, LPDIRECTDRAWSURFACE source, LPRECT sourceRect, DWORD flags,
                                 LPDDBLTFX fx) {
    if (flags & ~kBltSupported) {
        unsupported("Blt", flags);
        return DDERR_UNSUPPORTED;
    }
    if ((flags & kBltNeedsFx) && (!fx || !tkp::ddraw::BltFxSizeValid(fx->dwSize))) return DDERR_INVALIDPARAMS;
    if ((flags & DDBLT_DDFX) && (fx->dwDDFX & ~DDBLTFX_MIRRORLEFTRIGHT)) {
        unsupported("Blt effect", fx->dwDDFX);
        return DDERR_UNSUPPORTED;
    }
    const bool fill = (flags & DDBLT_COLORFILL) != 0;
    tkp::ddraw::Surface* src = nullptr;
    if (!fill) {
        if (!source) return DDERR_INVALIDPARAMS;
        src = tkp::ddraw::FindSurface(source);
        if (!src) return DDERR_INVALIDOBJECT;
    }
    if (HRESULT state = BlitChecks(src, (flags & DDBLT_WAIT) != 0); state != DD_OK) return state;
    RECT d;
    if (!ResolveRect(destRect, d)) return DDERR_INVALIDRECT;
    if (fill) {
        if (!empty(d)) tkp::pixels::FillPixels(View(), d, static_cast<std::uint16_t>(fx->dwFillColor));
        PresentIfPrimary();
        return DD_OK;
    }
    RECT s;
    if (!src->ResolveRect(sourceRect, s)) return DDERR_INVALIDRECT;
    if (empty(d)) return DD_OK;
    if (empty(s)) return DDERR_INVALIDRECT;

    tkp::pixels::BlitEffects effects;
    if (flags & DDBLT_KEYSRCOVERRIDE) {
        const DDCOLORKEY& k = fx->ddckSrcColorkey;
        if (k.dwColorSpaceLowValue > 0xFFFF || k.dwColorSpaceHighValue > 0xFFFF) return DDERR_INVALIDPARAMS;
        effects.keyed = true;
        effects.key = {static_cast<std::uint16_t>(k.dwColorSpaceLowValue),
                       static_cast<std::uint16_t>(k.dwColorSpaceHighValue)};
    } else if ((flags & DDBLT_KEYSRC) && src->hasSourceKey_) {
        // A source without a colour key draws opaque rather than not at all.
        effects.keyed = true;
        effects.key = src->sourceKey_;
    }
    effects.mirrorLeftRight = (flags & DDBLT_DDFX) && (fx->dwDDFX & DDBLTFX_MIRRORLEFTRIGHT);
    if (flags & DDBLT_ALPHASRCCONSTOVERRIDE) effects.alpha = alphaOf(*fx);

    tkp::pixels::PixelView from = src->View();
    const bool sameSize = d.right - d.left == s.right - s.left && d.bottom - d.top == s.bottom - s.top;
    if (sameSize && !effects.mirrorLeftRight && effects.alpha == 255 && !effects.keyed) {
        tkp::pixels::CopyPixels(View(), d.left, d.top, from, s);
    } else {
        if (src == this && overlap(s, d)) from = copyOut(from, s, s);
        if (sameSize && !effects.mirrorLeftRight && effects.alpha == 255) {
            tkp::pixels::CopyPixelsKeyed(View(), d.left, d.top, from, s, effects.key);
        } else {
            tkp::pixels::StretchPixels(View(), d, from, s, effects);
        }
    }
    PresentIfPrimary();
    return DD_OK;
}
