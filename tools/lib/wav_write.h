// RIFF WAVE files with plain PCM samples.
#pragma once

#include <cstdint>
#include <vector>

namespace art {

// Samples in -1..1, one vector per channel (all of the same length); bits 8 (unsigned) or 16.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::vector<double>>& channels, int rate, int bits);

}  // namespace art
