// Conversion of PCM samples to the device format: 16-bit signed stereo at the device rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tkp::dsound {

// A PCM format the mixer accepts: 1 or 2 channels, 8-bit unsigned or 16-bit signed
// little-endian samples, blockAlign = channels * bits / 8.
struct PcmFormat {
    int channels;
    int rate;
    int bits;
    int blockAlign;
};

// Device frames for sourceFrames frames at sourceRate: ceil(sourceFrames * deviceRate / sourceRate),
// the number of device frames whose time falls inside the source.
std::size_t DeviceFrameCount(std::size_t sourceFrames, int sourceRate, int deviceRate);

// Converts whole frames of data (a trailing partial frame is ignored) into out, interleaved
// left, right. Output frame j takes the source at position j * rate / deviceRate, interpolated
// linearly between its two neighbours (the last frame is held) and truncated toward zero.
// 8-bit samples become (v - 128) * 256; mono goes to both channels. False when out of memory.
bool ConvertToDevice(const std::uint8_t* data, std::size_t bytes, const PcmFormat& format, int deviceRate,
                     std::vector<std::int16_t>* out);

}  // namespace tkp::dsound
