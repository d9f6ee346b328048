// Sample conversion for the mixer: decoding, channel mapping and linear resampling.
#include "platform/dsound/pcm_convert.h"

#include <new>

namespace tkp::dsound {

namespace {

// One sample of channel ch in source frame i, as a 16-bit value.
int sampleAt(const std::uint8_t* data, const PcmFormat& f, std::size_t i, int ch) {
    const std::uint8_t* p = data + i * static_cast<std::size_t>(f.blockAlign);
    if (f.bits == 8) return (static_cast<int>(p[ch]) - 128) * 256;
    const std::uint8_t* s = p + 2 * ch;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(s[0] | (s[1] << 8)));
}

}  // namespace

std::size_t DeviceFrameCount(std::size_t sourceFrames, int sourceRate, int deviceRate) {
    if (sourceRate <= 0 || deviceRate <= 0) return 0;
    std::uint64_t num = static_cast<std::uint64_t>(sourceFrames) * static_cast<std::uint64_t>(deviceRate);
    return static_cast<std::size_t>((num + static_cast<std::uint64_t>(sourceRate) - 1) / sourceRate);
}

bool ConvertToDevice(const std::uint8_t* data, std::size_t bytes, const PcmFormat& format, int deviceRate,
                     std::vector<std::int16_t>* out) {
    out->clear();
    if (format.blockAlign <= 0) return true;
    std::size_t frames = bytes / static_cast<std::size_t>(format.blockAlign);
    std::size_t count = DeviceFrameCount(frames, format.rate, deviceRate);
    try {
        out->resize(count * 2);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const std::uint64_t rate = static_cast<std::uint64_t>(format.rate);
    const std::uint64_t dev = static_cast<std::uint64_t>(deviceRate);
    const int right = format.channels == 2 ? 1 : 0;
    std::int16_t* dst = out->data();
    for (std::size_t j = 0; j < count; ++j) {
        std::uint64_t pos = j * rate;
        std::size_t i = static_cast<std::size_t>(pos / dev);
        std::int64_t frac = static_cast<std::int64_t>(pos % dev);
        std::size_t next = i + 1 < frames ? i + 1 : i;
        for (int ch = 0; ch < 2; ++ch) {
            int src = ch == 0 ? 0 : right;
            std::int64_t a = sampleAt(data, format, i, src);
            std::int64_t b = frac ? sampleAt(data, format, next, src) : a;
            std::int64_t v =
                (a * (static_cast<std::int64_t>(dev) - frac) + b * frac) / static_cast<std::int64_t>(dev);
            dst[2 * j + ch] = static_cast<std::int16_t>(v);
        }
    }
    return true;
}

}  // namespace tkp::dsound
