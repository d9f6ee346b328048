// What all DirectDraw objects share: the display mode, the cooperative level, the one primary
// surface and the list of live surfaces; internal to platform/. Used on the program's thread only.
#pragma once

#include <vector>

#include "platform/ddraw/ddraw.h"

namespace tkp::ddraw {

class Surface;

struct DisplayState {
    int width = 0;  // the mode set by SetDisplayMode; 0 x 0 = the desktop's size
    int height = 0;
    bool exclusive = false;
    bool cooperativeSet = false;
    Surface* primary = nullptr;
};

DisplayState& Display();

void RegisterSurface(Surface* surface);
void UnregisterSurface(Surface* surface);
// The live surface behind an interface pointer, or null when it is not one of ours (or released).
Surface* FindSurface(IDirectDrawSurface* surface);
// A copy of the live surfaces, in no particular order.
std::vector<Surface*> LiveSurfaces();

}  // namespace tkp::ddraw
