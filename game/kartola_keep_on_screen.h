// Keeping the cards on a screen that became smaller.
#pragma once

// After a change of display mode from oldW x oldH to newW x newH: if the screen became narrower
// or lower, every card (hidden ones too) that sticks out right or below moves back by exactly its
// overhang. A card larger than the screen ends at a negative x or y. A larger screen moves nothing.
void UDRZ_KARTY_NA_OBRAZOVKE(int oldW, int oldH, int newW, int newH);
