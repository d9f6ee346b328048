// The game's icon: a picture card and a name card, one leaning on the other.
#pragma once

#include "tools/lib/canvas.h"
#include "tools/lib/ico_write.h"

namespace art {

// The icon drawn on transparency at size x size pixels.
Canvas DrawProgramIcon(int size);
// The same as an icon-file entry (straight alpha).
IconImage ProgramIconImage(int size);

}  // namespace art
