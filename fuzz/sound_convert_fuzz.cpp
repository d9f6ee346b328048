// Converts PCM of any format, rate and length into the device format, as a sound buffer does once
// its samples are written: the first six bytes choose the format (bit 0 stereo, bit 1 16-bit),
// the sound's rate (24 bits) and the device's (8000 to 48000), the rest are the samples. A sound
// longer than a buffer may hold is refused as the buffer refuses it. Checked: the frame count,
// and every output sample lying between its channel's smallest and largest input sample.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/dsound/pcm_convert.h"
#include "platform/dsound/sound_decode.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

int sampleOf(const std::uint8_t* frame, int bits, int channel) {
    if (bits == 8) return (frame[channel] - 128) * 256;
    const std::uint8_t* s = frame + 2 * channel;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(s[0] | (s[1] << 8)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size < 6) return 0;
    const int channels = bytes[0] & 1 ? 2 : 1;
    const int bits = bytes[0] & 2 ? 16 : 8;
    const int rate = bytes[1] | bytes[2] << 8 | bytes[3] << 16;
    const int device = 8000 + (bytes[4] | bytes[5] << 8) % 40001;
    const tkp::dsound::PcmFormat format{channels, rate, bits, channels * bits / 8};
    const std::uint8_t* data = bytes + 6;
    const std::size_t frames = (size - 6) / static_cast<std::size_t>(format.blockAlign);
    if (tkp::dsound::SoundTooLong(frames, rate)) return 0;

    std::vector<std::int16_t> out;
    require(tkp::dsound::ConvertToDevice(data, size - 6, format, device, &out));
    const std::size_t count = tkp::dsound::DeviceFrameCount(frames, rate, device);
    require(out.size() == 2 * count);
    // Every device frame's time lies inside the sound, and the next one's would not.
    require(static_cast<std::uint64_t>(count) * static_cast<std::uint64_t>(rate) >=
            static_cast<std::uint64_t>(frames) * static_cast<std::uint64_t>(device));
    if (frames == 0) return 0;
    for (int ch = 0; ch < 2; ++ch) {
        const int from = channels == 2 ? ch : 0;
        int low = 32767, high = -32768;
        for (std::size_t i = 0; i < frames; ++i) {
            const int v = sampleOf(data + i * static_cast<std::size_t>(format.blockAlign), bits, from);
            low = std::min(low, v);
            high = std::max(high, v);
        }
        for (std::size_t j = 0; j < count; ++j) require(out[2 * j + ch] >= low && out[2 * j + ch] <= high);
    }
    return 0;
}
