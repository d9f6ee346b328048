// Sound files other than WAV (OGG Vorbis, MP3, FLAC and the rest libsndfile reads), decoded once
// into a WAV image that the sound buffers take like any other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tkp::dsound {

// The most PCM bytes a decoded sound may have (a few minutes of CD-quality stereo); a fuzzing
// build may lower it.
#ifdef TKP_SOUND_MAX_BYTES
constexpr std::size_t kSoundMaxBytes = TKP_SOUND_MAX_BYTES;
#else
constexpr std::size_t kSoundMaxBytes = std::size_t{64} << 20;
#endif

// The longest sound a buffer may hold, whatever its rate: a card's spoken name lasts a few
// seconds, and a minute at the device's rate is a few megabytes once converted. A low rate cannot
// make a small file ask for gigabytes, since the converted size follows the duration.
constexpr int kSoundMaxSeconds = 60;
inline constexpr const char* kSoundTooLong = "sound longer than a minute";
// True when frames at rate (frames per second) last longer than kSoundMaxSeconds.
constexpr bool SoundTooLong(std::uint64_t frames, int rate) {
    return rate <= 0 || frames > std::uint64_t{kSoundMaxSeconds} * static_cast<std::uint64_t>(rate);
}

// Decodes the file's bytes into a RIFF WAVE image of 16-bit PCM at the file's own rate: mono or
// stereo as recorded, more channels mixed down to mono. False with a short reason in *reason
// (when given) for a file that is no sound, is damaged, has no samples or would be too long (refused from its
// header when that declares the length, before any sample is decoded).
bool DecodeSoundToWave(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>* wave,
                       const char** reason);

}  // namespace tkp::dsound
