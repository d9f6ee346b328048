// kartola_resgen: draws and synthesises the program's resources and the bundled card sets.
//   kartola_resgen resources <folder>   sprite sheets, icon and the four sounds
//   kartola_resgen cardsets <folder>    the DATA_* card-set pictures (and their .faz markers)
//   kartola_resgen contact <file.png>   one picture showing all of it
#include <cstdio>
#include <string>

#include "tools/resgen/outputs.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s resources|cardsets|contact <path>\n", argv[0]);
        return 2;
    }
    std::string what = argv[1], path = argv[2];
    bool ok = false;
    if (what == "resources")
        ok = resgen::WriteResources(path);
    else if (what == "cardsets")
        ok = resgen::WriteCardSets(path);
    else if (what == "contact")
        ok = resgen::WriteContactSheet(path);
    else {
        std::fprintf(stderr, "unknown output: %s\n", what.c_str());
        return 2;
    }
    return ok ? 0 : 1;
}
