// Display modes of a backend that emulates mode changes by scaling one back buffer to the screen.
// Platform-internal.
#pragma once

#include <vector>

#include "platform/base/backend.h"

namespace tkp::present {

// The common sizes that fit a desktop of this size, plus the desktop's own size, ascending by
// width, then height, each listed once.
std::vector<base::backend::DisplayMode> EmulatedDisplayModes(int desktopWidth, int desktopHeight);

}  // namespace tkp::present
