// What all DirectDraw objects share: the display mode, the cooperative level, the one primary
// surface and the list of live surfaces; internal to platform/. Used on the program's thread only.
#pragma once

#include <vector>

#include "platform/ddraw/ddraw.h"

class tkp_Surface;

namespace tkp {

struct DisplayState {
    int width = 0;  // the mode set by SetDisplayMode; 0 x 0 = the desktop's size
    int height = 0;
    bool exclusive = false;
    bool cooperativeSet = false;
    tkp_Surface* primary = nullptr;
};

DisplayState& Display();

void RegisterSurface(tkp_Surface* surface);
void UnregisterSurface(tkp_Surface* surface);
// The live surface behind an interface pointer, or null when it is not one of ours (or released).
tkp_Surface* FindSurface(IDirectDrawSurface* surface);
// A copy of the live surfaces, in no particular order.
std::vector<tkp_Surface*> LiveSurfaces();

}  // namespace tkp
