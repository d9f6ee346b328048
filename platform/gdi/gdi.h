// GDI on surfaces and memory bitmaps: device contexts, pens, brushes, lines, shapes, pixels, copies.
#pragma once

#include "platform/wintypes.h"
