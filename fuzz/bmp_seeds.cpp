// Writes one BMP file of every kind the decoder accepts into the folder given, as fuzzing seeds.
#include <cstdio>
#include <string>

#include "tests/common/tk_test_bmp.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bmp_seeds <folder>\n");
        return 2;
    }
    for (const auto& v : tk_test::Variants()) {
        const std::string path = std::string(argv[1]) + "/" + v.name + ".bmp";
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f || std::fwrite(v.file.data(), 1, v.file.size(), f) != v.file.size()) {
            std::fprintf(stderr, "bmp_seeds: cannot write %s\n", path.c_str());
            if (f) std::fclose(f);
            return 1;
        }
        std::fclose(f);
    }
    return 0;
}
