// Writes card-set inputs for cardset_fuzz into the folder given: small sets of pictures of the
// kinds the decoder accepts, sounds, a phase marker and ready thumbnails, packed as the fuzzer cuts them.
#include <cstdio>
#include <string>

#include "fuzz/cardset_input.h"
#include "tests/common/sound/tk_test_wav.h"
#include "tests/common/tk_test_bmp.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cardset_seeds <folder>\n");
        return 2;
    }
    const auto variants = tk_test::Variants();
    const std::string sound = wav_test::Wav(1, 11025, 8, wav_test::Ramp(16));
    const std::string thumbnail =
        tk_test::Bmp24(15, 10, [](int x, int y) { return std::uint16_t(x * 31 + y); });
    const std::string sheet = tk_test::Bmp24(24, 24, [](int x, int y) {
        return std::uint16_t(x == 0 || y == 0 || x == 20 || y == 20 ? 0xF800 : 0x001F);
    });
    int n = 0;
    for (std::size_t i = 0; i < variants.size(); i += 2) {
        // a.bmp a.wav b.bmp b.faz c.thm c.wav d.bmp e.thm
        const std::string files[] = {
            variants[i].file, sound, sheet, "", thumbnail, sound, variants[(i + 1) % variants.size()].file,
            thumbnail};
        const std::string input = cardset_input::Pack(files, std::size(files));
        const std::string path = std::string(argv[1]) + "/set" + std::to_string(n++);
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(input.data(), 1, input.size(), f) != input.size()) {
            std::fprintf(stderr, "cardset_seeds: cannot write %s\n", path.c_str());
            if (f) std::fclose(f);
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
