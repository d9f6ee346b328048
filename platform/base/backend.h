// What a backend provides to the shared platform code. Exactly one backend library is linked
// into an executable: platform/sdl (a real window and sound) or platform/headless (memory only).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/wintypes.h"

namespace tkp::base::backend {

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
// Shows one frame that differs from the frame shown last only inside the rectangles given (none:
// the same frame). A backend that kept no frame of that size takes the whole of pixels.
void PresentChanges(const std::uint16_t* pixels, int width, int height, int pitchBytes,
                    const std::vector<RECT>& changes);
// The next main window is an ordinary window of width x height on the desktop instead of one
// covering the screen; DesktopSize and DisplayModes then answer for that window. 0 x 0: the screen.
void SetWindowed(int width, int height);

// ---- window, input and time ---------------------------------------------------------------
// Milliseconds on the backend's clock (virtual on the headless backend).
std::uint64_t NowMs();
// Turns pending input into window messages (see platform/user).
void PumpEvents();
// Sleeps until input arrives or the clock reaches untilMs (0 = no timer is due: wait for input).
void WaitForEvents(std::uint64_t untilMs);
// Opens the one window covering the screen; false when it cannot be opened.
bool CreateMainWindow(HWND window, const char* title);
void DestroyMainWindow(HWND window);
void ShowPointer(bool visible);
// Shows a message box and waits until it is dismissed (the headless backend records it).
void ShowMessageBox(const char* text, const char* caption, UINT type);

// ---- sound --------------------------------------------------------------------------------
// Opens the sound output; false when there is no device. *rate is the wished rate on entry and
// the device's rate on return. The mixer fills the callback's frames (16-bit signed stereo,
// interleaved left, right) from the backend's own audio thread or on demand.
using AudioCallback = void (*)(std::int16_t* frames, int frameCount, void* user);
bool OpenAudio(int* rate, AudioCallback callback, void* user);
void CloseAudio();
// Keeps the callback from running between the two calls (no-ops while nothing is open).
void LockAudio();
void UnlockAudio();
// True once the open output has gone away (device unplugged); it stays so until CloseAudio.
bool AudioLost();

// One sound that started playing, as the mixer reports it to the backend.
struct PlayedSound {
    const void* buffer;   // the IDirectSoundBuffer
    std::uint32_t bytes;  // its size in bytes
    int channels;         // its own format
    int rate;
    int bits;
    std::uint32_t position;  // byte offset it plays from
    bool wasPlaying;         // Play came while it was still playing
};
// A buffer started playing: the headless backend records it, the SDL backend ignores it.
void AudioPlayed(const PlayedSound& sound);

}  // namespace tkp::base::backend
