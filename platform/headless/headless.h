// What tests may do with the headless backend: set the display, post input, move the clock,
// read and save frames, and see which sounds played. Not part of platform.h: only tests use it.
#pragma once

#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_input.h"
