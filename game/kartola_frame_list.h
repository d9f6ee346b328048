// The game's frame as a list of what it draws, in drawing order, with boxes and keys, so that the
// table's clear can redraw only what changed (kartola_table_clear.h).
#pragma once

#include <cstdint>
#include <vector>

#include "game/kartola_frame_damage.h"

class CKartolaApp;

// The ids of the items: the kind in the high half, the index among its kind in the low half.
enum FrameItemKind : std::uint32_t {
    kItemCard = 1u << 16,
    kItemHover = 2u << 16,
    kItemFocus = 3u << 16,
    kItemHeld = 4u << 16,
    kItemFound = 5u << 16,
    kItemBanner = 6u << 16,
    kItemPointer = 7u << 16,
    kItemMenu = 8u << 16,
    kItemSets = 9u << 16,
    kItemSounds = 10u << 16,
    kItemChild = 11u << 16,
    kItemScan = 12u << 16,
};

// Lists what the coming frame draws over the table and the element tree draws over it, laying the
// shown lists out first as their drawing would. False when the frame draws something without a
// known box (a dialog, the congratulation, the hint of an empty table, the notice of left-out
// files, the layout editor); items is then partial.
bool ListFrame(CKartolaApp& app, std::vector<FrameItem>& items);

// The found list's item in a frame listed by ListFrame, its key folded with the ids, boxes and keys
// of the items drawn before it that meet its box, so that the key holds everything the box shows
// once the list is drawn; false when the list is not listed or something without a box may be
// drawn under it.
bool FoundListWithWhatLiesUnder(const CKartolaApp& app, const std::vector<FrameItem>& items,
                                FrameItem* found);
