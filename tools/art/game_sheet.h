// The game's sheet: the two pointer hands, the menu button and the game's icon.
#pragma once

#include "tools/lib/image.h"

namespace art {

RgbImage DrawGameSheet();

}  // namespace art
