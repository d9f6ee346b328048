// Debugger output and the module handle.
#pragma once

#include "platform/wintypes.h"
