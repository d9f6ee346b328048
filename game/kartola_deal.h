// Dealing: one pair of the loaded set becomes its register entries and its two cards.
#pragma once

class tk_CIcon;
class tk_CDSO_Zvuk;

// Appends pair i (counted from 0, in loading order): a copy of its name, its picture and its
// sound (null for none), all three then owned by the registers, and its picture and name cards
// in a cascade from the top-left corner. Dealing out of order is a programming fault.
void ROZDAJ_PAR(int i, const char* name, tk_CIcon* picture, tk_CDSO_Zvuk* sound);
