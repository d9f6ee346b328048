// Writes WAV images of the kinds the parser meets (plain, LIST first, odd chunks with and
// without their pad byte, cut short) into the folder given, as fuzzing seeds.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tests/common/sound/tk_test_wav.h"

int main(int argc, char** argv) {
    using namespace wav_test;
    if (argc != 2) {
        std::fprintf(stderr, "usage: wav_seeds <folder>\n");
        return 2;
    }
    const std::string fmt16 = Chunk("fmt ", FmtBody(2, 22050, 16));
    const std::string fmt8 = Chunk("fmt ", FmtBody(1, 11025, 8));
    const std::vector<std::pair<std::string, std::string>> seeds = {
        {"mono8", Wav(1, 11025, 8, Ramp(33))},
        {"stereo16", Wav(2, 22050, 16, Ramp(64))},
        {"list_first", Riff(Chunk("LIST", Ramp(5)) + fmt16 + Chunk("data", Ramp(16)))},
        {"odd_data", Riff(fmt8 + Chunk("data", Ramp(7)) + Chunk("LIST", "ab"))},
        {"no_pad", Riff(Chunk("LIST", Ramp(5, 'a'), false) + fmt16 + Chunk("data", Ramp(8)))},
        {"fmt18", Riff(Chunk("fmt ", FmtBody(1, 44100, 16) + Le16(0)) + Chunk("data", Ramp(10)))},
        {"cut", Riff(fmt16 + ChunkClaiming("data", 1000, Ramp(10)))},
        {"data_first", Riff(Chunk("data", Ramp(8)) + fmt16)},
    };
    for (const auto& [name, image] : seeds) {
        const std::string path = std::string(argv[1]) + "/" + name + ".wav";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(image.data(), 1, image.size(), f) != image.size()) {
            std::fprintf(stderr, "wav_seeds: cannot write %s\n", path.c_str());
            if (f) std::fclose(f);
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
