// The Tessalin framework: every public header in one.
#pragma once

#include "platform/platform.h"

#include "framework/support/tk_Assert.h"
#include "framework/support/tk_AtomicFile.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

#include "framework/graphics/tk_BMP.h"
#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/graphics/tk_TFAZA.h"

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/sound/tk_DSO.h"
#include "framework/sound/tk_DSWave.h"

// Widgets, by kind. The element tree:
#include "framework/widgets/tk_CPol.h"        // the base of every element: place, state, events
#include "framework/widgets/tk_CPolCHLO.h"    // an element holding others: owns, draws, routes events
#include "framework/widgets/tk_ClassTable.h"  // the class id of every element class, and its name
#include "framework/widgets/tk_globals.h"     // the one drag in progress, the place of new elements

// Sprites and controls:
#include "framework/widgets/tk_CDAS.h"        // a sprite: a sheet and the phase shown on it
#include "framework/widgets/tk_CDEDB.h"       // a one-line text field
#include "framework/widgets/tk_CDPrep.h"      // a check box or radio button
#include "framework/widgets/tk_CDS.h"         // a sprite that can take its whole sheet as a phase
#include "framework/widgets/tk_CIcon.h"       // an icon: a sheet and one phase, drawn clipped
#include "framework/widgets/tk_CLabel.h"      // an element showing one line of text
#include "framework/widgets/tk_CPolIcon.h"    // an element showing one icon
#include "framework/widgets/tk_CPosuv.h"      // a slider knob on a straight track
#include "framework/widgets/tk_CScrollBar.h"  // a scroll bar: a knob and two arrow buttons
#include "framework/widgets/tk_CTlac.h"       // a push button

// Dialogs:
#include "framework/widgets/tk_CDDialog.h"            // a movable panel holding controls
#include "framework/widgets/tk_CDDialog_EFEKT.h"      // the painter of a panel's title, body and frame
#include "framework/widgets/tk_CDUI_podklad_efekt.h"  // backgrounds: white net, milky wash

// Skin:
#include "framework/widgets/tk_DSGN.h"  // the skin sheet, template controls, icons and text font

#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/lists/tk_UTL_CDLG_EDIT.h"
#include "framework/lists/tk_UTL_CDUIR_DIR.h"
#include "framework/lists/tk_UTL_CDUIR_THMFILE.h"

#include "framework/app/tk_APP.h"
#include "framework/app/tk_APP_Editor.h"
#include "framework/app/tk_APP_Options.h"
#include "framework/app/tk_CAppCasovacDlg.h"
#include "framework/app/tk_CAppInfoDlg.h"
#include "framework/app/tk_CAppRozlisenieDlg.h"
#include "framework/app/tk_CAppScreen.h"

#include "framework/editor/tk_KM.h"
