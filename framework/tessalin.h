// The Tessalin framework: every public header in one.
#pragma once

#include "platform/platform.h"

#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

#include "framework/graphics/tk_CDas_Surface.h"
#include "framework/graphics/tk_DDBitmap.h"
#include "framework/graphics/tk_Display.h"
#include "framework/graphics/tk_Draw.h"
#include "framework/graphics/tk_TFAZA.h"

#include "framework/sound/tk_CDSO_Zvuk.h"
#include "framework/sound/tk_DSO.h"
#include "framework/sound/tk_DSWave.h"

#include "framework/widgets/tk_CDAS.h"
#include "framework/widgets/tk_CDDialog.h"
#include "framework/widgets/tk_CDDialog_EFEKT.h"
#include "framework/widgets/tk_CDEDB.h"
#include "framework/widgets/tk_CDPrep.h"
#include "framework/widgets/tk_CDS.h"
#include "framework/widgets/tk_CDUI_podklad_efekt.h"
#include "framework/widgets/tk_CIcon.h"
#include "framework/widgets/tk_CLabel.h"
#include "framework/widgets/tk_CPol.h"
#include "framework/widgets/tk_CPolCHLO.h"
#include "framework/widgets/tk_CPolIcon.h"
#include "framework/widgets/tk_CPosuv.h"
#include "framework/widgets/tk_CScrollBar.h"
#include "framework/widgets/tk_CTlac.h"
#include "framework/widgets/tk_ClassTable.h"
#include "framework/widgets/tk_DSGN.h"
#include "framework/widgets/tk_globals.h"

#include "framework/lists/tk_CDUI.h"
#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBA.h"
#include "framework/lists/tk_TVOLBAR.h"
