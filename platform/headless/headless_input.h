// Headless window and time: input a test posts, and a virtual clock that advances when told.
#pragma once

#include "platform/wintypes.h"
