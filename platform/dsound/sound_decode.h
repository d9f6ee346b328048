// Sound files other than WAV (OGG Vorbis, MP3, FLAC and the rest libsndfile reads), decoded once
// into a WAV image that the sound buffers take like any other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The most PCM bytes a decoded sound may have (a few minutes of CD-quality stereo); a fuzzing
// build may lower it.
#ifdef TKP_SOUND_MAX_BYTES
constexpr std::size_t tkp_kSoundMaxBytes = TKP_SOUND_MAX_BYTES;
#else
constexpr std::size_t tkp_kSoundMaxBytes = std::size_t{64} << 20;
#endif

// Decodes the file's bytes into a RIFF WAVE image of 16-bit PCM at the file's own rate: mono or
// stereo as recorded, more channels mixed down to mono. False with a short reason in *reason
// (when given) for a file that is no sound, is damaged, has no samples or would be too long.
bool tkp_DecodeSoundToWave(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>* wave,
                           const char** reason);
