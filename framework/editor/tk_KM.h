// The layout editor: a developer's mode of every framework program. While it is on, the running
// screen stops reacting to the user: elements are picked with the mouse or the keyboard, moved and
// resized pixel by pixel, list menus retuned, and the positions written to "tk_KM_report.txt". It
// draws its own overlay (help, the current element's data, markers) over every frame.
#pragma once

#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/widgets/tk_CPol.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "platform/platform.h"

// ---- State -----------------------------------------------------------------------------------
extern bool tk_KM_on;
// The kind of target edited: 0 none, 1 list menu, 2 row list, 9 container, 10 the current element.
// Modes 3 to 8 (folios, dialog effect, dialog) never get a target here and are always skipped.
extern int tk_KM_mod;
// The target of each mode; null when the current element offers none.
extern tk_CDUI* tk_KM_cDUI_1;
extern tk_CDUIR* tk_KM_cDUIR_2;
extern tk_CPol* tk_KM_cFT_3;
extern tk_CPol* tk_KM_cFF_4;
extern tk_CPol* tk_KM_cFI_5;
extern tk_CPol* tk_KM_cFD_6;
extern tk_CPol* tk_KM_cDE_7;
extern tk_CPol* tk_KM_cDLG_8;
extern tk_CPolCHLO* tk_KM_cPolCHLO_9;
// The current element.
extern tk_CPol* tk_KM_cPol_10;
// Index of the current child inside the container target.
extern int tk_KM_item;
// Child indices selected by the rubber band; further ones are ignored.
constexpr int tk_KM_SEL_MAX = 50;
extern int tk_KM_sel[tk_KM_SEL_MAX];
extern int tk_KM_sel_count;
// A rubber-band selection is in force.
extern bool tk_KM_multi;
// The rubber band: its first corner (left, top) and the pointer (right, bottom), and whether the
// right button (stretching the band) and the left button (picking or dragging) are held.
struct tk_KM_TBand {
    RECT box;
    bool right_down;
    bool left_down;
};
extern tk_KM_TBand tk_KM_band;

// The report, in the working folder.
inline constexpr const char* tk_KM_REPORT_FILE = "tk_KM_report.txt";

// ---- Operations ------------------------------------------------------------------------------
// Makes the editor part of the running program: the Ctrl or Shift + F1 chord switches it on.
void tk_KM_Install();

// The root becomes the current element and the editor lands in the mode that fits it.
void tk_KM_SwitchOn(tk_CPol* root);
void tk_KM_SwitchOff();
// Alternates between mode 0 and the one mode that fits the current element.
void tk_KM_NextMode();
// A new current element (null for none); the selection goes, the mode is chosen afresh.
void tk_KM_SetCurrent(tk_CPol* element);

// Key-down, pointer-move and button messages while the editor is on.
void tk_KM_WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// The overlay onto the back buffer, after the element tree; nothing while the editor is off.
void tk_KM_ZOBRAZ(IDirectDrawSurface* back);
// Writes the report whole (1) or not at all (0, logged and shown in the help).
int tk_KM_SAVE();
// Why the last report could not be written; "" after a good one.
const char* tk_KM_SaveError();
