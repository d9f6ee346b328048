// The program's four sounds, synthesised: a snap, a click, a fanfare and a closing tune.
#pragma once

#include <string>
#include <vector>

namespace art {

struct Sound {
    std::string file;
    int rate;
    int bits;
    std::vector<std::vector<double>> channels;
};

std::vector<Sound> MakeSounds();

}  // namespace art
