// Scaled copies between surfaces for the bitmap-file functions. A copy that shrinks the picture
// on both axes is area-averaged: every source pixel counts, so fine patterns become their mean
// colour instead of the jagged or moiré picture of one pixel sampled out of many. Any other
// copy (the same size, or enlarging on an axis) is one DirectDraw Blt.
#pragma once

#include <functional>

#include "platform/platform.h"

// Restores a lost source surface; true when its picture is back and the copy may be tried again.
using tk_BMP_Refill = std::function<bool()>;

// Copies the rectangle `from` of src (right and bottom exclusive) onto the whole of dst. A lost
// source is handed to refill; a busy blitter is asked again a bounded number of times. DD_OK, or
// the failure that ended the copy.
HRESULT tk_BMP_StretchOnto(IDirectDrawSurface* dst, IDirectDrawSurface* src, RECT from,
                           const tk_BMP_Refill& refill);

// The area-averaged copy alone, for any sizes; DD_OK, DDERR_SURFACELOST when a surface was lost,
// or another failure.
HRESULT tk_BMP_AverageOnto(IDirectDrawSurface* dst, IDirectDrawSurface* src, RECT from);
