// Headless sound: mixed on demand from the virtual clock and recorded.
#pragma once

#include "platform/wintypes.h"
