// The play state of the card table: which card the pointer is over, which one is held, and
// whether a card's own sound plays when it is taken.
#pragma once

// Index in REG_KARTY of the card under the pointer; -1 for none.
extern int g_iHoverCard;
// Index in REG_KARTY of the card held by the left button; -1 for none.
extern int g_iHeldCard;
// A card's own sound plays when it is taken.
extern bool g_bCardSounds;
