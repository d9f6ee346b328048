// BMP files and packed bitmaps built byte by byte, for the decoder's and loaders' tests and the
// fuzzing seeds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tk_test {

// The fields of a picture's headers, short so that a whole picture fits on a line.
struct Picture {
    int header = 40;  // the info header's size: 12 (core), 40, 52, 56, 108 or 124
    int w = 1;
    int h = 1;  // negative: rows stored top-down
    int bpp = 24;
    std::uint32_t comp = 0;               // compression: 1 RLE8, 2 RLE4, 3 bit fields
    std::vector<std::uint32_t> pal = {};  // 0x00RRGGBB; stored as B, G, R (and 0 unless core)
    std::uint32_t used = 0;               // colours used
    // Written after a 40-byte header when comp is 3, inside the later headers always.
    std::vector<std::uint32_t> masks = {0, 0, 0};
    std::string data = {};  // the stored rows or RLE data, as they are
};

// Appends v as four bytes, least significant first.
void Put32(std::string& s, std::uint32_t v);

// Header, masks (40-byte header with bit fields), palette and pixels, as a resource holds them.
std::string Dib(const Picture& p);
// "BM" file header (pixel offset = where the pixels follow the palette, plus gap) and the bitmap.
std::string File(const Picture& p, std::uint32_t gap = 0);
// Rows of bytes, each padded with zeros to a multiple of 4.
std::string Rows(const std::vector<std::string>& rows);

// A 24-bit file of w x h pixels, each 0x00RRGGBB from the function.
std::string Picture24(int w, int h, const std::function<std::uint32_t(int, int)>& xrgb);
// A 24-bit file whose pixel (x, y) narrows exactly to the 5-6-5 value raw(x, y).
std::string Bmp24(int w, int h, const std::function<std::uint16_t(int, int)>& raw);
// A 24-bit file of w x h pixels, each a different 5-6-5 value: a plain picture for a card.
std::string GradientBmp(int w = 40, int h = 30);
// An 8-bit file with the colour table (0x00RRGGBB) and every pixel index 0.
std::string Bmp8(int w, int h, const std::vector<std::uint32_t>& table);

// One picture of every kind the decoder accepts, with a name (seeds for fuzzing).
struct Named {
    std::string name;
    std::string file;
};
std::vector<Named> Variants();

}  // namespace tk_test
