// The table's clear that costs what the last frame covered: the boxes of everything drawn over the
// table in a frame are kept, and the next frame fills only those with the table's colour; the rest
// of the back buffer still holds the colour from an earlier clear. Whatever cannot be bounded (an
// open menu or dialog, the editor's overlay, the empty table's hint, the loading screen), a new
// display mode or a lost display makes the next clear whole.
#pragma once

#include <vector>

#include "platform/platform.h"

class TableClear {
  public:
    // Fills what the last frame covered, or the whole surface, with the colour; starts a new frame.
    void Clear(IDirectDrawSurface* back, DWORD colour);
    // This frame draws over the box (edges exclusive, cut to the surface when cleared).
    void Cover(const RECT& box);
    // This frame draws something without a known box: the next clear is whole.
    void CoverAll() { nextWhole_ = true; }
    // The back buffer was changed outside a frame or replaced: the next clear is whole.
    void Forget() { whole_ = true; }
    // Once this frame's boxes are all covered: when neither this frame nor the last drew anything
    // unbounded, the frame can differ from the last only inside their boxes, and the copy onto the
    // primary surface is told to compare only there.
    void HintChanges(IDirectDrawSurface* back);
    // Clearing only the covered boxes on or off (off: every clear is whole, as it was).
    void SetOn(bool on) { on_ = on; }

  private:
    std::vector<RECT> covered_;
    std::vector<RECT> next_;
    bool whole_ = true;
    bool nextWhole_ = false;
    bool clearedWhole_ = true;
    bool on_ = true;
};

// The game's one table clear.
TableClear& TheTableClear();
