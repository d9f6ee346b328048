// From screen pixels to back-buffer pixels when the buffer is shown scaled with its aspect kept
// (bars above and below, or left and right). Platform-internal.
#pragma once

#include "platform/wintypes.h"

namespace tkp::user {

// Keeps a position inside a buffer of this size.
POINT ClampToBuffer(int x, int y, int bufferWidth, int bufferHeight);
// The buffer pixel under a screen position, clamped into the buffer (positions in the bars give
// the nearest edge). The arithmetic is SDL's for a renderer with a logical size, so both backends
// agree to the pixel.
POINT ScreenToBuffer(int x, int y, int screenWidth, int screenHeight, int bufferWidth, int bufferHeight);

}  // namespace tkp::user
