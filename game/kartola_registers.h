// The registers of the loaded card set. Entry i of REG_OBR, REG_TEXT and REG_ZVUK belongs to
// pair i; REG_KARTY holds the cards, 2i the picture card and 2i + 1 the name card of pair i, in
// stacking order (a later card lies over an earlier one). None of the arrays owns its entries:
// UVOLNI_REGISTRE destroys them.
#pragma once

#include "framework/support/tk_CARRE.h"

class CKarta;
class tk_CIcon;
class tk_CDSO_Zvuk;
struct TKartaText;

// tk_CIcon pointers: the picture of each pair.
extern tk_CARRE REG_OBR;
// TKartaText pointers: the name of each pair.
extern tk_CARRE REG_TEXT;
// tk_CDSO_Zvuk pointers or null: the sound of each pair.
extern tk_CARRE REG_ZVUK;
// CKarta pointers: the cards.
extern tk_CARRE REG_KARTY;

// The entry at an index, or null when the index names no entry (for instance an index kept from
// a larger set that was loaded before this one).
CKarta* VRAT_KARTU(int i);
tk_CIcon* VRAT_OBR(int pair);
TKartaText* VRAT_TEXT(int pair);
tk_CDSO_Zvuk* VRAT_ZVUK(int pair);

// Destroys every entry of the four registers and empties them, keeping their storage; the hover
// and held indices go back to none, since they named cards that are gone.
void UVOLNI_REGISTRE();
