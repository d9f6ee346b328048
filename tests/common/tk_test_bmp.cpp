#include "tests/common/tk_test_bmp.h"

#include "platform/pixels/pixel565.h"

namespace tk_test {

namespace {

using namespace std::string_literals;

void put16(std::string& s, std::uint32_t v) {
    s += {char(v & 0xFF), char((v >> 8) & 0xFF)};
}

// Everything before the pixels.
std::string prefix(const Picture& p) {
    std::string s;
    Put32(s, std::uint32_t(p.header));
    if (p.header == 12) {
        for (int v : {p.w, p.h, 1, p.bpp}) put16(s, std::uint32_t(v));
    } else {
        Put32(s, std::uint32_t(p.w));
        Put32(s, std::uint32_t(p.h));
        put16(s, 1);
        put16(s, std::uint32_t(p.bpp));
        for (std::uint32_t v : {p.comp, std::uint32_t(p.data.size()), 2835u, 2835u, p.used, 0u}) Put32(s, v);
        if (p.header > 40 || p.comp == 3)
            for (std::uint32_t m : p.masks) Put32(s, m);
        if (p.header > 40) s.resize(std::size_t(p.header), '\0');
    }
    for (std::uint32_t c : p.pal) {
        s += {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF)};
        if (p.header != 12) s += '\0';
    }
    return s;
}

// A file with a colour table of which every colour is used.
std::string indexed(int w, int h, int bpp, std::uint32_t comp, const std::vector<std::uint32_t>& pal,
                    const std::string& data) {
    Picture p{.w = w, .h = h, .bpp = bpp, .comp = comp, .pal = pal, .data = data};
    p.used = std::uint32_t(pal.size());
    return File(p);
}

}  // namespace

void Put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

std::string Dib(const Picture& p) {
    return prefix(p) + p.data;
}

std::string File(const Picture& p, std::uint32_t gap) {
    const std::string head = prefix(p) + std::string(gap, '\x55');
    std::string s = "BM";
    for (std::size_t v : {14 + head.size() + p.data.size(), std::size_t{0}, 14 + head.size()})
        Put32(s, std::uint32_t(v));
    return s + head + p.data;
}

std::string Rows(const std::vector<std::string>& rows) {
    std::string s;
    for (std::string row : rows) s += row.append((4 - row.size() % 4) % 4, '\0');
    return s;
}

std::string Picture24(int w, int h, const std::function<std::uint32_t(int, int)>& xrgb) {
    std::vector<std::string> rows;
    for (int y = h - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = xrgb(x, y);
            row += {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF)};
        }
        rows.push_back(row);
    }
    return File({.w = w, .h = h, .data = Rows(rows)});
}

std::string Bmp24(int w, int h, const std::function<std::uint16_t(int, int)>& raw) {
    return Picture24(w, h, [&raw](int x, int y) { return tkp::pixels::XrgbOf565(raw(x, y)); });
}

std::string GradientBmp(int w, int h) {
    return Bmp24(w, h, [](int x, int y) { return std::uint16_t(x * 64 + y); });
}

std::string Bmp8(int w, int h, const std::vector<std::uint32_t>& table) {
    return indexed(w, h, 8, 0, table, std::string(std::size_t((w + 3) / 4 * 4 * h), '\0'));
}

std::vector<Named> Variants() {
    const std::string rgb = Rows({"\x01\x02\x03\x04\x05\x06\x07\x08\x09"s, std::string(9, '\xEE')});
    const std::vector<std::uint32_t> three = {0x000010, 0x002000, 0x300000},
                                     rgbPalette = {0x0000FF, 0xFF0000, 0x00FF00};
    std::vector<std::uint32_t> core(256, 0x0000FF);
    core[1] = 0xABCDEF;
    const std::vector<std::uint32_t> masks565 = {0xF800, 0x07E0, 0x001F}, masks888 = {0xFF, 0xFF00, 0xFF0000};
    return {
        {"24bit", File({.w = 3, .h = 2, .data = rgb})},
        {"24bit_topdown", File({.w = 3, .h = -2, .data = rgb})},
        {"1bit", File({.w = 10,
                       .h = 2,
                       .bpp = 1,
                       .pal = {0x112233, 0xAABBCC},
                       .data = Rows({"\xA5\x80"s, "\x0F\xC0"s})})},
        {"4bit", indexed(3, 2, 4, 0, three, Rows({"\x01\x20"s, "\x21\x50"s}))},
        {"8bit", indexed(3, 2, 8, 0, three, Rows({"\x00\x01\x02"s, "\x02\x01\x00"s}))},
        // Literal run of 3 (padded), line end, delta (1, 0), run of 2, end of picture.
        {"rle8", indexed(4, 2, 8, 1, rgbPalette,
                         "\x00\x03\x01\x02\x00\x00\x00\x00\x00\x02\x01\x00\x02\x02\x00\x01"s)},
        // Run of 4 alternating nibbles, line end, literal run of 3 nibbles, end of picture.
        {"rle4", indexed(4, 2, 4, 2, rgbPalette, "\x04\x12\x00\x00\x00\x03\x21\x20\x00\x01"s)},
        {"16bit_565", File({.w = 2, .bpp = 16, .comp = 3, .masks = masks565, .data = "\x00\xF8\xE0\x07"s})},
        {"32bit_v5",
         File({.header = 124, .bpp = 32, .comp = 3, .masks = masks888, .data = "\x11\x22\x33\x44"s})},
        {"core8", File({.header = 12, .w = 2, .bpp = 8, .pal = core, .data = Rows({"\x00\x01"s})})},
    };
}

}  // namespace tk_test
