// The sound device of the framework: one DirectSound object for the whole run, and the switch
// that lets sounds play.
#pragma once

#include "platform/platform.h"

// The one DirectSound object; null until tk_DSO_INIT succeeds.
extern IDirectSound* tk_lpDS;
// Sounds play only while it is set.
extern bool tk_DSO_on;

// Opens the default sound device at normal cooperative level with the window. 1 when ready
// (also when it already was), 0 when the program has to run silent; the reason is logged.
int tk_DSO_INIT(HWND window);
// Releases the sound device; buffers already made keep working until released. Always 1.
int tk_DSO_DONE();
