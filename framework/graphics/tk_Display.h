// The display globals: one set per program, set up with the display and read everywhere.
#pragma once

#include "platform/platform.h"

class tk_CAppScreen;

// The display size in pixels and half of it (integer division).
extern int tk_ScreenW;
extern int tk_ScreenH;
extern int tk_ScreenCX;
extern int tk_ScreenCY;

extern IDirectDraw* tk_lpDD;
extern IDirectDrawSurface* tk_lpDDSPrimary;
// The back buffer: all drawing goes here.
extern IDirectDrawSurface* tk_lpDDSBack;
// No palette is ever created; one that is set is released with the display.
extern IDirectDrawPalette* tk_lpDDPal;
extern HWND tk_hWnd;
// The running application; null before it starts.
extern tk_CAppScreen* tk_pApp;
// Non-zero while the program is the active one.
extern int tk_bAppActive;
