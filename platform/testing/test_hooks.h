// Hooks into the platform stand-in for tests only: they force failures and losses, count live
// objects, capture the debugger output and look at internals. The program never calls them; each
// is implemented beside the code it reaches into. The headless backend's own controls are in
// platform/headless.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/wintypes.h"
#include "platform/ddraw/ddraw.h"
#include "platform/dsound/dsound.h"

namespace tkp::testing {

// ---- surfaces ----------------------------------------------------------------------------------
// Marks one surface lost (tkp::ddraw::MarkSurfacesLost in ddraw.h marks them all).
void MarkSurfaceLost(LPDIRECTDRAWSURFACE surface);
// The next count blits, fills and locks that involve the surface answer DDERR_WASSTILLDRAWING.
void SetSurfaceStillDrawing(LPDIRECTDRAWSURFACE surface, int count);
// The next count CreateSurface calls fail with DDERR_OUTOFMEMORY.
void SetCreateSurfaceFailures(int count);
// What Restore leaves in a lost surface's pixel (x, y): a magenta and green checkerboard.
std::uint16_t LostPatternPixel(int x, int y);
// Surfaces alive now (created and not yet released), the attached back buffer included.
int LiveSurfaceCount();
// Writes the surface's pixels (widened to 8 bits per channel) as a PNG file; true on success.
bool SaveSurfacePng(LPDIRECTDRAWSURFACE surface, const char* path);

// ---- GDI ---------------------------------------------------------------------------------------
// Pens, brushes, fonts and bitmaps alive now (created and not yet deleted), stock objects included.
int LiveGdiObjectCount();
// Of those, the fonts.
int LiveGdiFontCount();
// Device contexts alive now: memory DCs and DCs of surfaces not yet deleted or released.
int LiveDCCount();

// ---- sound -------------------------------------------------------------------------------------
// The buffer loses its memory as if the system took it away. It falls silent, and Lock and Play
// answer DSERR_BUFFERLOST until Restore; the content must then be written again.
void MarkSoundBufferLost(LPDIRECTSOUNDBUFFER buffer);
// Sound buffers alive now (created and not yet released to the end).
int LiveSoundBufferCount();

// ---- debugger output, modules, files and resources -----------------------------------------------
// While on, debugger output is kept in memory instead of going to standard error.
void CaptureDebugOutput(bool on);
// Returns the captured text and empties the capture buffer.
std::string TakeDebugOutput();
// True when name matches pattern ('*' any run, '?' one character), ignoring ASCII case: the rule
// FindFirstFileA filters with.
bool WildcardMatch(const char* pattern, const char* name);
// Adds an in-memory resource (the bytes are copied); it is found before an embedded one of the
// same name and type, and a later registration replaces an earlier one. False on bad arguments.
bool RegisterResource(LPCSTR name, LPCSTR type, const void* data, std::size_t size);
// Forgets every registered resource (the embedded ones stay).
void ClearRegisteredResources();

}  // namespace tkp::testing
