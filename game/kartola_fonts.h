// The name fonts and the congratulation font: the system's face names, the common bold font of
// the name cards with its face, width and height that the keys change, and a narrowed font of its
// own for every name too wide for a card.
#pragma once

#include <cstdint>

#include "framework/support/tk_CARRE.h"
#include "platform/platform.h"

// Face names of the system's font families (heap strings owned here), in enumeration order,
// without consecutive repeats: only faces that draw a name differently from every face before
// them (a stand-in name drawn by an installed face counts once, under the first name), and no
// symbol face or face whose letters come out too small to read.
extern tk_CARRE REG_FONTY;
// Character width and height of the name font, in logical units; no bounds.
extern int g_TextFontW;
extern int g_TextFontH;
// Index in REG_FONTY of the name font's face.
extern int g_iTextFont;
// The common name font (owned); null until NASTAV_FONTY.
extern HFONT g_hTextFont;
// Counts the calls of NASTAV_FONTY: a name drawn before a change is stale.
extern std::uint32_t g_uNameFontsVersion;

// Appends the system's face names to REG_FONTY and logs each.
void ZISTI_FONTY();
// Index of the first face exactly equal to face, or of the face it draws like when its name was
// left out as a stand-in; 0 when none is. Enumerates first when REG_FONTY is empty.
int NAJDI_FONT(const char* face);
// Makes the common name font and, for every name of REG_TEXT too wide for a card in it, a
// narrowed font of the same height; each font replaced is deleted.
void NASTAV_FONTY();
// Deletes the common font and forgets the face names (when the game ends).
void UVOLNI_FONTY();

// A name font by the game's rule: bold, Central European, a variable-pitch sans; the face
// REG_FONTY[g_iTextFont] (empty when there is none, which lets the system choose).
HFONT CreateNameFont(int height, int width);
// The congratulation's font: Verdana, normal weight, 150 high and 65 wide unless asked otherwise.
HFONT CreateCongratulationFont(int height = 150, int width = 65);
// The width a name of measured width tw gets in its own font: g_TextFontW x 149 / tw rounded
// to the nearest integer, halves away from zero.
int NarrowedWidth(int tw);
