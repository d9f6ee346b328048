// The banner: a small plane towing a banner that reads "Kartola", about 600 pixels wide.
#pragma once

#include "tools/lib/image.h"

namespace art {

RgbImage DrawBanner();

}  // namespace art
