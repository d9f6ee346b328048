// Headless sound: a null device that mixes on demand and records what played.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/base/backend.h"
#include "platform/base/wintypes.h"

namespace tkp::headless {

// One successful Play, in order: the buffer, its size and format, the byte it played from.
using PlayedSound = tkp::base::backend::PlayedSound;

// Whether the next opening finds a device (true at start); false makes DirectSoundCreate fail.
void SetAudioDevice(bool present);
// The rate the device reports when it is next opened (44100 at start).
void SetAudioRate(int rate);
// True while the sound output is open.
bool AudioOpen();
// The open device goes away, as when unplugged: DirectSound finds every buffer lost.
void LoseAudioDevice();
// Mixes the next frameCount frames (interleaved left, right); silence while nothing is open.
std::vector<std::int16_t> MixAudio(int frameCount);
// The sounds played since the start or the last clear, oldest first.
std::vector<PlayedSound> PlayedSounds();
void ClearPlayedSounds();

}  // namespace tkp::headless
