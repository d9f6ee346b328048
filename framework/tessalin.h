// The Tessalin framework: every public header in one.
#pragma once

#include "platform/platform.h"

#include "framework/support/tk_Assert.h"
#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_FSI.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
