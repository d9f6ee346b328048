// What a backend provides to the shared platform code. Exactly one backend library is linked
// into an executable: platform/sdl (a real window and sound) or platform/headless (memory only).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/wintypes.h"

namespace tkp::backend {

struct DisplayMode {
    int width;
    int height;
};

// ---- display -------------------------------------------------------------------------------
// The display modes offered, ascending by width, then height.
std::vector<DisplayMode> DisplayModes();
// The size of the desktop (what GetSystemMetrics reports for the screen).
DisplayMode DesktopSize();
// The back-buffer size changed (SetDisplayMode); the presentation keeps this size.
void SetPresentationSize(int width, int height);
// Shows one frame: 16-bit RGB 5-6-5 pixels, pitch in bytes.
void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes);

// ---- window, input and time ---------------------------------------------------------------
// Milliseconds on the backend's clock (virtual on the headless backend).
std::uint64_t NowMs();
// Turns pending input into window messages (see platform/user).
void PumpEvents();
// Sleeps until input arrives or the clock reaches untilMs (0 = no timer is due: wait for input).
void WaitForEvents(std::uint64_t untilMs);
void CreateMainWindow(HWND window, const char* title);
void DestroyMainWindow(HWND window);
void ShowPointer(bool visible);

// ---- sound --------------------------------------------------------------------------------
// Opens the sound output; false when there is no device. The mixer pulls samples through
// the callback, 16-bit signed stereo at *rate frames per second.
using AudioCallback = void (*)(std::int16_t* frames, int frameCount, void* user);
bool OpenAudio(int* rate, AudioCallback callback, void* user);
void CloseAudio();
void LockAudio();
void UnlockAudio();

}  // namespace tkp::backend
