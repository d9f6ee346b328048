// From screen pixels to back-buffer pixels when the buffer is shown scaled with its aspect kept
// (bars above and below, or left and right). Platform-internal.
#pragma once

#include "platform/base/wintypes.h"

namespace tkp::present {

// Where a buffer of this size is shown on the screen: scaled with its aspect kept and centred, the
// same placement the pointer is mapped through.
RECT LetterboxRect(int screenWidth, int screenHeight, int bufferWidth, int bufferHeight);
// Keeps a position inside a buffer of this size.
POINT ClampToBuffer(int x, int y, int bufferWidth, int bufferHeight);
// The buffer pixel under a screen position, clamped into the buffer (positions in the bars give
// the nearest edge). The arithmetic is SDL's for a renderer with a logical size; both backends
// use it, so they agree to the pixel.
POINT ScreenToBuffer(int x, int y, int screenWidth, int screenHeight, int bufferWidth, int bufferHeight);

}  // namespace tkp::present
