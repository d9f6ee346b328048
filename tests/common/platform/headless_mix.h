// What the headless sound device mixes next, read as plain numbers for comparison.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/headless/headless_audio.h"

namespace ptest {

// The next frames mixed, both channels interleaved.
inline std::vector<int> Mix(int frames) {
    const std::vector<std::int16_t> mixed = tkp::headless::MixAudio(frames);
    return std::vector<int>(mixed.begin(), mixed.end());
}

// The left channel of interleaved stereo samples.
inline std::vector<int> LeftOf(const std::vector<int>& both) {
    std::vector<int> left;
    for (std::size_t i = 0; i < both.size(); i += 2) left.push_back(both[i]);
    return left;
}

// The left channel of the next frames mixed.
inline std::vector<int> MixLeft(int frames) {
    return LeftOf(Mix(frames));
}

}  // namespace ptest
