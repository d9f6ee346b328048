// The card table: the registers of the loaded card set, the play state, dealing a pair into the
// registers and finding the card under the pointer. The rules that move cards are in
// kartola_rules.h.
#pragma once

#include <cstdint>

#include "framework/support/tk_CARRE.h"

class CKarta;
class tk_CIcon;
class tk_CDSO_Zvuk;
struct TKartaText;

// ---- Registers -------------------------------------------------------------------------------
// Entry i of REG_OBR, REG_TEXT and REG_ZVUK belongs to pair i; REG_KARTY holds the cards, 2i the
// picture card and 2i + 1 the name card of pair i, in stacking order (a later card lies over an
// earlier one). None of the arrays owns its entries: UVOLNI_REGISTRE destroys them.

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
CKarta* CardAt(int i);
tk_CIcon* PictureOf(int pair);
TKartaText* NameOf(int pair);
tk_CDSO_Zvuk* SoundOf(int pair);

// Destroys every entry of the four registers and empties them, keeping their storage; the hover
// and held indices go back to none, since they named cards that are gone.
void UVOLNI_REGISTRE();
// Counts the emptyings of the registers: what was drawn for a card before a change of it is stale.
extern std::uint32_t g_uTableVersion;

// ---- Play state ------------------------------------------------------------------------------
// Index in REG_KARTY of the card under the pointer; -1 for none.
extern int g_iHoverCard;
// Index in REG_KARTY of the card held by the left button; -1 for none.
extern int g_iHeldCard;
// A card's own sound plays when it is taken.
extern bool g_bCardSounds;

// ---- Dealing and finding cards ---------------------------------------------------------------
// Appends pair i (counted from 0, in loading order): a copy of its name, its picture and its
// sound (null for none), all three then owned by the registers, and its picture and name cards
// in a cascade from the top-left corner. Dealing out of order is a programming fault.
void DealPair(int i, const char* name, tk_CIcon* picture, tk_CDSO_Zvuk* sound);

// Index in REG_KARTY of the topmost visible card whose box, edges included, contains (px, py);
// -1 for none. Later cards lie over earlier ones.
int CardUnderPointer(int px, int py);
