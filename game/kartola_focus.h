// The keyboard's focus on the table: which card the focus ring is on, and where the arrows and
// Tab take it. Only visible cards can have the focus.
#pragma once

// Index in REG_KARTY of the card with the focus ring; -1 for none.
extern int g_iFocusCard;

// The visible card after (step 1) or before (step -1) card `from` in reading order: by the top
// edge, then the left edge, then the index; it wraps around. From no card (or a hidden one) the
// first (or the last) one. -1 when no card is visible.
int CardInReadingOrder(int from, int step);

// The visible card nearest to card `from` in the direction (dx, dy), one of the four arrows as
// (1, 0), (-1, 0), (0, 1), (0, -1), judged by the cards' centres: of the cards whose centre lies
// that way, the one with the smallest distance along the direction plus twice the distance across
// it. `from` itself when none lies that way; the first card in reading order from no card.
int CardInDirection(int from, int dx, int dy);
