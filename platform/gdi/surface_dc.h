// What a surface needs of GDI to hand out a device context on its own pixels (GetDC and
// ReleaseDC); all else of device contexts stays inside platform/gdi.
#pragma once

#include "platform/base/wintypes.h"
#include "platform/pixels/pixel_view.h"

namespace tkp::gdi {

// A device context drawing into the pixels, with the default objects selected. The pixels must
// outlive it.
HDC CreateSurfaceDC(const pixels::PixelView& pixels);
// Deselects everything (finishing deletions that waited for it) and frees the context.
void DestroyDC(HDC dc);

}  // namespace tkp::gdi
