// Everything of the platform stand-in that the framework may use.
#pragma once

#include "platform/wintypes.h"
#include "platform/kernel/files.h"
