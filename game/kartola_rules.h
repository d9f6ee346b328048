// The rules that move the cards: the scatter, the drop that finds a pair, and keeping the cards
// on a screen that became smaller.
#pragma once

class CTableEvents;
class CKarta;

// ---- Scatter ---------------------------------------------------------------------------------
// Where the scatter reads the calendar time in whole seconds.
using ScatterClock = long long (*)();

// Scatters every card of REG_KARTY, hidden ones included, on the current screen size: each to a
// random place right of the found list and below the table's top, keeping clear of the cards placed
// before it. A card that finds no clear place in its random tries goes to the best place a search
// of the whole table finds: clear and farthest from the others when there is one, else the one that
// covers the least of the cards below it, sparing the names. The generator is seeded with the
// current second, so scatters within one second give one layout. Only positions change.
void ZAMIESAJ();

// The top edge of the table: the strip above it holds the buttons along the top of the screen, and
// no card is scattered or dropped there. 0 (the default) leaves the whole height to the cards.
void SetTableTop(int top);
int TableTop();
// Moves a card whose top edge lies above the table's top down to it.
void KeepBelowTableTop(CKarta* card);
// Moves every visible card whose top edge lies above the table's top to the best free place below
// it (the table's top came after the cards were scattered). The number of cards moved.
int ClearTableTop();

// Replaces the clock the scatter is seeded from; null goes back to the system's calendar time.
void SetScatterClock(ScatterClock clock);

// ---- Drop ------------------------------------------------------------------------------------
// Distance between the two top-left corners below which a dropped card matches its partner.
constexpr double SNAP_DISTANCE = 30.0;

// Runs when the left button was released over the held card (g_iHeldCard), after the card was
// told of the release. If its partner's top-left corner lies less than SNAP_DISTANCE away, the
// card takes the partner's place, both turn invisible and the events hear of the found pair, and
// of the won game once every pair is found. The held index is none afterwards. 1 when a pair was
// found; 0 otherwise, also when no card is held. Events may be null.
int DropHeldCard(CTableEvents* events);

// ---- Keeping cards on screen -----------------------------------------------------------------
// After a change of display mode from oldW x oldH to newW x newH: if the screen became narrower
// or lower, every card (hidden ones too) that sticks out right or below moves back by exactly its
// overhang. A card larger than the screen ends at a negative x or y. A larger screen moves nothing.
void KeepCardsOnScreen(int oldW, int oldH, int newW, int newH);
