// DirectSound: the sound device and static sound buffers, mixed in software.
#pragma once

#include "platform/wintypes.h"
