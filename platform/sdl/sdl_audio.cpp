// SDL sound output: one device, 16-bit signed stereo, filled by the mixer on SDL's audio thread.
#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "platform/base/backend.h"
#include "platform/kernel/debug.h"
#include "platform/sdl/sdl_alsa.h"

namespace {

// Frames per callback: about 23 ms at 44100 Hz, short enough for a click to sound at once.
constexpr Uint16 kCallbackFrames = 1024;

SDL_AudioDeviceID g_device = 0;
tkp::base::backend::AudioCallback g_callback = nullptr;
void* g_user = nullptr;

void debugLine(const char* what, const char* detail) {
    char line[256];
    std::snprintf(line, sizeof(line), "DirectSound: %s%s\n", what, detail ? detail : "");
    OutputDebugStringA(line);
}

void SDLCALL pull(void*, Uint8* stream, int len) {
    g_callback(reinterpret_cast<std::int16_t*>(stream), len / 4, g_user);
}

}  // namespace

namespace tkp::base::backend {

bool OpenAudio(int* rate, AudioCallback callback, void* user) {
    if (g_device || !callback) return false;
    // The sound library's complaints (no card, no such device) belong in the program's log.
    tkp::sdl::RouteAlsaMessages();
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        debugLine("no SDL audio: ", SDL_GetError());
        return false;
    }
    // The dummy driver makes no sound: for the user that is no device.
    const char* driver = SDL_GetCurrentAudioDriver();
    if (!driver || std::strcmp(driver, "dummy") == 0) {
        debugLine("SDL audio has only the dummy driver", nullptr);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    g_callback = callback;
    g_user = user;
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = *rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = kCallbackFrames;
    want.callback = pull;
    SDL_AudioSpec have;
    // The mixer converts to whatever rate the device likes; format and channels stay ours.
    g_device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (!g_device) {
        debugLine("no SDL audio device: ", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    *rate = have.freq;
    SDL_PauseAudioDevice(g_device, 0);
    return true;
}

void CloseAudio() {
    if (!g_device) return;
    SDL_CloseAudioDevice(g_device);
    g_device = 0;
    g_callback = nullptr;
    g_user = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void LockAudio() {
    if (g_device) SDL_LockAudioDevice(g_device);
}

void UnlockAudio() {
    if (g_device) SDL_UnlockAudioDevice(g_device);
}

// SDL reports a device that failed or was unplugged as stopped.
bool AudioLost() {
    return g_device && SDL_GetAudioDeviceStatus(g_device) == SDL_AUDIO_STOPPED;
}

void AudioPlayed(const PlayedSound&) {}

}  // namespace tkp::base::backend
