// The window and the display of a framework program: the set-up of the one window and its
// full-screen 16-bit display, the window procedure that turns messages into the element
// protocol, the list of display modes, a frame, the change of display mode, and the release,
// reload and restore of the display's surfaces.
#pragma once

#include "framework/support/tk_CARRE.h"
#include "platform/platform.h"

// One usable display mode: a heap record held by tk_DisplayModes.
struct tk_TDisplayMode {
    int width;
    int height;
};

// The usable display modes (tk_TDisplayMode*), filled by tk_APP_DisplayModes_LIST.
extern tk_CARRE tk_DisplayModes;

// Window, display modes, DirectDraw, primary surface and back buffer, skin, sound, timer 1 at
// 20 ms. 1 on success; 0 when the window or the display could not be set up.
int tk_APP_Inicializuj(HINSTANCE instance, int cmdShow);
LRESULT tk_APP_WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// Fills tk_DisplayModes from the modes the display offers and makes the wished screen size one
// of them (the last one when the wish is not listed).
void tk_APP_DisplayModes_LIST();
// Draws one frame into the back buffer and copies it onto the primary surface.
void tk_APP_Prekresli();
// Copies the back buffer onto the primary surface, trying again while the primary is still
// drawing, and restores the surfaces when they were lost. DD_OK when the frame was shown.
HRESULT tk_APP_CopyBackToPrimary();
// Frames copied onto the primary surface since the display was set up.
long tk_APP_FrameCount();
void tk_APP_ResetFrameCount();
// Restores a lost primary surface and the framework's own surfaces; the result of the restore.
HRESULT tk_APP_Obnov_SRF();
// Switches the display to width x height; 1 on success, 0 after tk_APP_Inic_problem.
int tk_APP_ZmenRozlisenie(int width, int height);
// Loads the framework's surfaces again after a change of display mode.
void tk_APP_Nahraj_SRF();
// Releases the display's surfaces, and the DirectDraw object too when releaseDD is set.
void tk_APP_Vykonaj_RELEASE_SRF(bool releaseDD);
// The failure path of the set-up: logs, releases, shows "Problem pri inicializacii" and destroys
// the window. Returns 0.
int tk_APP_Inic_problem(HWND window);
// Stops timer 1 and asks the window to close.
void tk_APP_Zavri(HWND window);

// Copies the eight display globals (size, centre, DirectDraw object, primary, back buffer,
// palette) to the places given.
void tk_APP_Synchro_dll2App(int* w, int* h, int* cx, int* cy, IDirectDraw** dd, IDirectDrawSurface** primary,
                            IDirectDrawSurface** back, IDirectDrawPalette** palette);
// Sets the eight display globals; for a separately built module that draws on this display.
void tk_glob_APP_Synchro_exe2dll(int w, int h, int cx, int cy, IDirectDraw* dd, IDirectDrawSurface* primary,
                                 IDirectDrawSurface* back, IDirectDrawPalette* palette);
