// The background effects of panels and list menus: a white checkerboard net that lightens an
// area, and a milky wash that adds 80 to each colour channel.
#pragma once

#include "platform/platform.h"

// Sets every other pixel of the area to white, the others kept; with border, a black one-pixel
// frame round it. Rows above row 1 and from row tk_ScreenH - 1 down are cut off (and their
// border rows left out); nothing is written outside the surface. Stops when it cannot lock.
void tk_CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* surface, RECT rect, bool border);

// Adds 80 to the red, green and blue of every pixel of the area (each capped at 255), read and
// written through the device context.
void tk_CDUI_podklad_efekt_B_mliecny(HDC dc, RECT rect);
// The same colours written straight into the locked surface, which is far faster; call it while
// no device context of the surface is out. Stops when it cannot lock.
void tk_CDUI_podklad_efekt_B_mliecny(IDirectDrawSurface* surface, RECT rect);
