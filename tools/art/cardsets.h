// The bundled card sets: their pictures, drawn here, and how each is stored.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/lib/image.h"

namespace art {

struct CardPicture {
    std::string name;                // the card's name: the file name without its extension (UTF-8)
    std::string extension = "bmp";   // the file's extension, as written
    std::string format;              // e.g. "300x200, 8-bit RLE8", for people
    RgbImage pixels;                 // the picture as stored (after any palette reduction)
    std::vector<std::uint8_t> file;  // the picture file (BMP, PNG or JPEG)
    bool spriteSheet = false;        // a ".faz" marker goes beside it
    // The part the card shows: the whole picture, or a sprite sheet's phase around (10, 10).
    int phaseX = 0, phaseY = 0, phaseX2 = 0, phaseY2 = 0;
};

struct CardSet {
    std::string folder;  // "DATA_..."
    std::vector<CardPicture> cards;
};

std::vector<CardSet> MakeCardSets();

}  // namespace art
