#include <cstdio>

#include "game/kartola_version.h"

int main() {
    std::printf("Kartola %s: the game is not there yet; the framework and its tests are being built.\n",
                kKartolaVersion);
    return 0;
}
