// The pointer hands: open (hovering) and closed (holding a card); the hot spot is the top-left corner.
#pragma once

#include "tools/lib/canvas.h"

namespace art {

Canvas DrawOpenHand(int w, int h);
Canvas DrawGrabbingHand(int w, int h);

}  // namespace art
