// The window, its messages and timers, keys, pointer and message box.
#pragma once

#include "platform/wintypes.h"
