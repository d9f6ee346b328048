// A list's pixels kept in a surface of their own. The found list's box, as the frame shows it once
// the list is drawn, is copied into an image; a later frame that must draw the list again copies
// the image back instead while the list and everything drawn under it in its box are unchanged
// (the list's key folded with the boxes and keys of what lies under it). The image is made again
// when they change, after another display mode and after a lost display.
#pragma once

#include <cstdint>

#include "game/kartola_frame_damage.h"
#include "platform/platform.h"

class tk_CPol;

class ListImage {
  public:
    ListImage() = default;
    ~ListImage();
    ListImage(const ListImage&) = delete;
    ListImage& operator=(const ListImage&) = delete;

    // Draws the list onto target as its own drawing would. item: the list's box and a key of every
    // pixel in that box once the list is drawn; null draws the list and keeps nothing.
    void Draw(IDirectDrawSurface* target, tk_CPol& list, const FrameItem* item);
    // Releases the image; the list is drawn again when next shown.
    void Release();
    // Times the list's own drawing ran since the start (the image copied back does not count).
    std::int64_t Draws() const { return draws_; }
    // Keeping the image on or off (off: the list is drawn every time, as it was).
    void SetOn(bool on);

  private:
    void Keep(IDirectDrawSurface* target, const FrameItem& item, const RECT& shown);

    IDirectDrawSurface* surface_ = nullptr;
    // What the image shows: the item's key and box, and the part of the box on the target.
    std::uint64_t key_ = 0;
    RECT box_{};
    RECT shown_{};
    std::int64_t draws_ = 0;
    bool on_ = true;
};

// The game's image of its found list.
ListImage& FoundListImage();
