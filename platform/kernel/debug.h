// Debugger output and the module handle.
#pragma once

#include <string>

#include "platform/wintypes.h"

// Writes text to the debugger output: standard error, or the capture buffer while capturing.
void OutputDebugStringA(LPCSTR text);

// The running program's module when name is null (its name is the executable's path);
// null with ERROR_FILE_NOT_FOUND for any other name, since no libraries are loaded as modules.
HMODULE GetModuleHandleA(LPCSTR name);

// The path of a module's executable ("" for a null module).
const char* tkp_ModuleName(HMODULE module);

// While on, debugger output is kept in memory instead of going to standard error (for tests).
void tkp_CaptureDebugOutput(bool on);
// Returns the captured text and empties the capture buffer.
std::string tkp_TakeDebugOutput();
