// How a name is laid on its card: on one line, narrowed where it would not fit, or on two lines
// parted at a space where one line would be squeezed past reading.
#pragma once

struct TKartaText;

// Sets the name's fonts and its parting from the common name font: one line in the common font
// when its ink lies inside the card; otherwise narrowed (same height, smaller character width)
// until it does. A name that would be narrowed below 60 % of the common width and has a space
// goes on two lines instead, parted where the wider line is narrowest, each line narrowed as
// needed, when two lines are no taller than the card. Fonts replaced are deleted.
void FitName(TKartaText& name);
