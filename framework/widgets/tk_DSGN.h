// The framework skin: one global record holding the skin sheet, the template controls whose
// phases new controls borrow by stock name, ready icons, and the framework's text font.
#pragma once

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/widgets/tk_CIcon.h"
#include "platform/platform.h"

class tk_CTlac;
class tk_CPosuv;

struct tk_DSGN_Struct {
    // A background picture stretched to the screen, when the application names one.
    tk_CDas_Surface* background_srf = nullptr;
    // The skin sheet "rezia_dll.bmp".
    tk_CDas_Surface* rezia_dll_srf = nullptr;
    // The small close button of dialogs.
    tk_CTlac* _T_x_ = nullptr;
    tk_CIcon* ico_logo = nullptr;
    // The placeholder program icon.
    tk_CIcon* ico_void = nullptr;
    tk_CIcon* ico_help = nullptr;
    tk_CIcon* ico_ok = nullptr;
    tk_CIcon* ico_cancel = nullptr;
    // Vertical scroll bar: thumb, arrows (up, down), track.
    tk_CPosuv* _posuvV_ = nullptr;
    tk_CTlac* _posuvV_btnA_ = nullptr;
    tk_CTlac* _posuvV_btnB_ = nullptr;
    tk_CIcon _posuvV_track;
    // Horizontal scroll bar: thumb, arrows (left, right), track.
    tk_CPosuv* _posuvH_ = nullptr;
    tk_CTlac* _posuvH_btnA_ = nullptr;
    tk_CTlac* _posuvH_btnB_ = nullptr;
    tk_CIcon _posuvH_track;
    // The small sliders.
    tk_CPosuv* _posuvV2_ = nullptr;
    tk_CPosuv* _posuvH2_ = nullptr;
    // The framework's text font.
    HFONT font = nullptr;
};

// The one skin record, empty until tk_DSGN_INIT.
extern tk_DSGN_Struct tk_DSGN;
// True while the skin is built.
extern bool tk_DSGN_ready;

// Builds the skin on the display (tk_lpDD); 1 built, 0 already built.
int tk_DSGN_INIT();
// Destroys what tk_DSGN_INIT built; 1 torn down, 0 not built.
int tk_DSGN_DONE();

// The average character width of the skin's font.
constexpr int kSkinFontWidth = 9;
// The skin's font cut narrower, to this average character width (1 to kSkinFontWidth); the skin
// owns it until tk_DSGN_DONE.
HFONT tk_DSGN_NarrowFont(int width);

// The application's background picture name (empty or null for none). The application screen
// installs it; without one the skin has no background.
using tk_DSGN_BackFileSource = const char* (*)();
void tk_DSGN_SetBackFileSource(tk_DSGN_BackFileSource source);
