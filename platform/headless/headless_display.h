// Headless display: the display-mode list a test sets, and the presented frames.
#pragma once

#include "platform/wintypes.h"
