// What changed between the last frame shown and the next one, found row by row.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/wintypes.h"
#include "platform/pixels/pixel_view.h"

namespace tkp::pixels {

// Compares frame (kept's size, rows framePitch pixels apart) with kept, the copy of the frame
// shown last, copies what differs into kept and returns the rectangles that changed, top to bottom.
// Each changed row contributes the columns from its first to its last changed pixel; rows a few
// apart whose columns meet or lie close join one rectangle, so that a moving sprite or a line of
// text is one rectangle, not one per row. Nothing changed: no rectangles.
std::vector<RECT> TakeFrameChanges(const PixelView& kept, const std::uint16_t* frame, int framePitch);

// The same inside one rectangle of both (already inside them): what differs there is copied into
// kept, and the bounding box of it, if anything, is appended to changes.
void TakeAreaChanges(const PixelView& kept, const std::uint16_t* frame, int framePitch, const RECT& area,
                     std::vector<RECT>& changes);

}  // namespace tkp::pixels
