// The scatter: every card to a random place right of the found list, keeping clear of the cards
// placed before it where it can.
#pragma once

// Where the scatter reads the calendar time in whole seconds.
using kartola_Hodiny = long long (*)();

// Scatters every card of REG_KARTY, hidden ones included, on the current screen size. The
// generator is seeded with the current second, so scatters within one second give one layout.
// Only positions change.
void ZAMIESAJ();

// Replaces the clock the scatter is seeded from; null goes back to the system's calendar time.
void ZAMIESAJ_NASTAV_HODINY(kartola_Hodiny clock);
