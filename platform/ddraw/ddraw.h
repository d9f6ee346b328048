// DirectDraw on software surfaces: 16-bit RGB 5-6-5, colour-keyed, stretched, mirrored and alpha blits.
#pragma once

#include "platform/wintypes.h"
