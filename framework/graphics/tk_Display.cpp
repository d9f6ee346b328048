#include "framework/graphics/tk_Display.h"

int tk_ScreenW = 1920;
int tk_ScreenH = 1080;
int tk_ScreenCX = 960;
int tk_ScreenCY = 540;

IDirectDraw* tk_lpDD = nullptr;
IDirectDrawSurface* tk_lpDDSPrimary = nullptr;
IDirectDrawSurface* tk_lpDDSBack = nullptr;
IDirectDrawPalette* tk_lpDDPal = nullptr;
HWND tk_hWnd = nullptr;
tk_CAppScreen* tk_pApp = nullptr;
int tk_bAppActive = 0;
