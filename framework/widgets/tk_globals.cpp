#include "framework/widgets/tk_globals.h"

int tk_drag_dx = 0;
int tk_drag_dy = 0;

int tk_auto_rx = 15;
int tk_auto_ry = 10;
