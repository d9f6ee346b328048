// Resources compiled into the executable, found by name without regard to case.
#pragma once

#include "platform/wintypes.h"
