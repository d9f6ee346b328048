// Debugger output and the module handle.
#pragma once

#include <string>

#include "platform/base/wintypes.h"

// Writes text to the debugger output: standard error, or a buffer while a test captures it.
void OutputDebugStringA(LPCSTR text);

// The running program's module when name is null (its name is the executable's path);
// null with ERROR_FILE_NOT_FOUND for any other name, since no libraries are loaded as modules.
HMODULE GetModuleHandleA(LPCSTR name);
