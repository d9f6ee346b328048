// Fonts and text: CreateFontA, TextOutA, DrawTextA, extents and font families, through FreeType and fontconfig.
#pragma once

#include "platform/wintypes.h"
