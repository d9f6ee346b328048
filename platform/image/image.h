// Bitmaps: LoadImageA from embedded resources or BMP files, scaled with area averaging; GetObjectA.
#pragma once

#include "platform/wintypes.h"
