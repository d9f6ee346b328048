#include "tools/lib/wav_write.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 255));
}

void tag(std::vector<std::uint8_t>& out, const char* t) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(t[i]));
}

}  // namespace

std::vector<std::uint8_t> EncodeWav(const std::vector<std::vector<double>>& channels, int rate, int bits) {
    const auto nch = static_cast<std::uint32_t>(channels.size());
    const std::size_t frames = channels.empty() ? 0 : channels[0].size();
    const std::uint32_t block = nch * static_cast<std::uint32_t>(bits / 8);
    const auto dataSize = static_cast<std::uint32_t>(frames * block);
    std::vector<std::uint8_t> out;
    tag(out, "RIFF");
    put(out, 4 + 8 + 16 + 8 + dataSize + (dataSize % 2), 4);
    tag(out, "WAVE");
    tag(out, "fmt ");
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, nch, 2);
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * block, 4);
    put(out, block, 2);
    put(out, static_cast<std::uint32_t>(bits), 2);
    tag(out, "data");
    put(out, dataSize, 4);
    for (std::size_t i = 0; i < frames; ++i) {
        for (const auto& ch : channels) {
            double v = std::clamp(ch[i], -1.0, 1.0);
            if (bits == 8)
                put(out, static_cast<std::uint32_t>(std::lround(v * 127.0) + 128), 1);
            else
                put(out, static_cast<std::uint32_t>(static_cast<std::uint16_t>(std::lround(v * 32767.0))), 2);
        }
    }
    if (dataSize % 2) out.push_back(0);  // chunks are padded to an even length
    return out;
}

}  // namespace art
