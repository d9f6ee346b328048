// A list's pixels kept in a surface of their own. The found list is drawn into its image when what
// it shows changes (its entries, hover, scroll, look or fonts, all folded into its frame item's key),
// after another display mode and after a lost display; every other frame that redraws it copies the
// image. The list's highlights and anti-aliased texts blend with what lies under them, so the image
// is copied only where the list lies on the bare table; over a card it is drawn directly.
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

    // Draws the list onto target as its own drawing would. bare: the list's frame item when
    // nothing but the table's colour lies inside its box on target; null draws the list directly.
    void Draw(IDirectDrawSurface* target, tk_CPol& list, DWORD colour, const FrameItem* bare);
    // Releases the image; the list is drawn into a new one when next shown on the bare table.
    void Release();
    // Times the list was drawn into its image, and directly onto the target, since the start.
    std::int64_t Fills() const { return fills_; }
    std::int64_t DirectDraws() const { return direct_; }
    // Keeping the image on or off (off: the list is drawn directly every time, as it was).
    void SetOn(bool on);

  private:
    bool Fill(tk_CPol& list, DWORD colour, const FrameItem& item, int width, int height);

    IDirectDrawSurface* surface_ = nullptr;
    // What the image shows: the item's key and box, the colour under it and its size.
    std::uint64_t key_ = 0;
    RECT box_{};
    DWORD colour_ = 0;
    int width_ = 0;
    int height_ = 0;
    std::int64_t fills_ = 0;
    std::int64_t direct_ = 0;
    bool on_ = true;
};

// The game's image of its found list.
ListImage& FoundListImage();
