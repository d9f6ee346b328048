// The table's clear that costs what changed. A frame whose every drawing is listed with its box
// and key (see kartola_frame_damage.h) after a frame listed the same way clears, draws and compares
// only where the two lists differ, together with what lies under or over those places; an idle
// table costs next to nothing. A listed frame after an unlisted one fills only the boxes the last
// frame drew. Whatever cannot be listed (an open menu or dialog, the editor's overlay, the empty
// table's hint, the loading screen), a new display mode or a lost display makes the next clear
// whole.
#pragma once

#include <cstdint>
#include <vector>

#include "game/kartola_frame_damage.h"
#include "platform/platform.h"

class TableClear {
  public:
    // Starts a frame: fills with the colour what may change in it. items: everything the frame
    // will draw, in drawing order, or null when it draws something without a known box.
    void Clear(IDirectDrawSurface* back, DWORD colour, const std::vector<FrameItem>* items);
    // Whether this frame draws the item with that id: every item unless the frame redraws only
    // what changed.
    bool Draws(std::uint32_t id) const;
    // What the frame redraws when it redraws only what changed; null when it draws everything.
    const FrameChanges* Planned() const { return planned_ ? &changes_ : nullptr; }
    // The back buffer was changed outside a frame or replaced: the next clear is whole.
    void Forget() { whole_ = true; }
    // Once the frame is drawn: tells the copy onto the primary surface where alone the frame can
    // differ from the last one (nothing when the frame was cleared whole or drew unlisted things).
    void HintChanges(IDirectDrawSurface* back);
    // Clearing only the covered boxes on or off (off: every clear is whole and every item drawn).
    void SetOn(bool on) { on_ = on; }
    // Drawing only what changed on or off (off: the covered boxes are cleared and all is drawn).
    void SetOnlyChangesOn(bool on) { onlyChanges_ = on; }

  private:
    void Fill(IDirectDrawSurface* back, const DDBLTFX& fx, RECT r, LONG w, LONG h);

    std::vector<FrameItem> last_;
    bool lastListed_ = false;
    FrameChanges changes_;
    bool onlyChanges_ = true;
    bool planned_ = false;
    std::vector<RECT> hint_;
    bool hinted_ = false;
    LONG width_ = 0;
    LONG height_ = 0;
    bool whole_ = true;
    bool on_ = true;
};

// The game's one table clear.
TableClear& TheTableClear();
