// The framework's skin sheet: controls, marks, icons and the logo on one 235 x 211 sheet.
#pragma once

#include "tools/lib/image.h"

namespace art {

RgbImage DrawSkinSheet();

}  // namespace art
