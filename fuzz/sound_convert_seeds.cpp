// Writes seeds for the sound conversion: the header of six bytes (format, rate, device rate) and
// samples, at the ordinary rates, at rates far below and above the device's, and at the longest
// length a buffer holds at a low rate.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/dsound/sound_decode.h"

namespace {

// Format bits (1 stereo, 2 16-bit), the sound's rate, the device's (as 8000 + n) and bytes.
std::string seed(int format, int rate, int device, std::size_t bytes) {
    std::string s{char(format),     char(rate),          char(rate >> 8),
                  char(rate >> 16), char(device - 8000), char((device - 8000) >> 8)};
    for (std::size_t i = 0; i < bytes; ++i) s += char(i * 37 + i / 5);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_convert_seeds <folder>\n");
        return 2;
    }
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"mono8_11025", seed(0, 11025, 44100, 300)},
        {"stereo16_22050", seed(3, 22050, 48000, 400)},
        {"mono16_48000_down", seed(2, 48000, 22050, 256)},
        {"stereo8_1hz", seed(1, 1, 8000, 20)},
        {"mono8_100hz_longest", seed(0, 100, 8000, 100 * tkp::dsound::kSoundMaxSeconds)},
        {"mono8_100hz_too_long", seed(0, 100, 8000, 100 * tkp::dsound::kSoundMaxSeconds + 1)},
        {"odd_trailing_byte", seed(2, 8000, 8000, 11)},
    };
    for (const auto& [name, bytes] : seeds) {
        const std::string path = std::string(argv[1]) + "/" + name;
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
            std::fprintf(stderr, "sound_convert_seeds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
