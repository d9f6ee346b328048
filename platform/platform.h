// Everything of the platform stand-in that the framework may use.
#pragma once

#include "platform/base/wintypes.h"
#include "platform/ddraw/ddraw.h"
#include "platform/dsound/dsound.h"
#include "platform/dsound/sound_decode.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/load_image.h"
#include "platform/kernel/debug.h"
#include "platform/kernel/files.h"
#include "platform/kernel/library_messages.h"
#include "platform/kernel/regular_file.h"
#include "platform/kernel/resources.h"
#include "platform/text/text.h"
#include "platform/user/user.h"
