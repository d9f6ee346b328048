#include "tests/platform/image/bmp_builder.h"

namespace bmp_test {

void put16(std::string& s, std::uint32_t v) {
    s += char(v & 0xFF);
    s += char((v >> 8) & 0xFF);
}

void put32(std::string& s, std::uint32_t v) {
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}

namespace {

using namespace std::string_literals;

// Everything before the pixels.
std::string prefix(const Picture& p) {
    std::string s;
    put32(s, std::uint32_t(p.headerSize));
    if (p.headerSize == 12) {
        put16(s, std::uint32_t(p.width));
        put16(s, std::uint32_t(p.height));
        put16(s, 1);
        put16(s, std::uint32_t(p.bitsPerPixel));
    } else {
        put32(s, std::uint32_t(p.width));
        put32(s, std::uint32_t(p.height));
        put16(s, 1);
        put16(s, std::uint32_t(p.bitsPerPixel));
        put32(s, p.compression);
        put32(s, std::uint32_t(p.pixels.size()));
        put32(s, 2835);
        put32(s, 2835);
        put32(s, p.colorsUsed);
        put32(s, 0);
        if (p.headerSize > 40) {
            for (std::uint32_t m : p.masks) put32(s, m);
            s.resize(std::size_t(p.headerSize), '\0');
        } else if (p.compression == 3) {
            for (std::uint32_t m : p.masks) put32(s, m);
        }
    }
    for (std::uint32_t c : p.palette) {
        s += char(c & 0xFF);
        s += char((c >> 8) & 0xFF);
        s += char((c >> 16) & 0xFF);
        if (p.headerSize != 12) s += '\0';
    }
    return s;
}

}  // namespace

std::string Dib(const Picture& p) {
    return prefix(p) + p.pixels;
}

std::string File(const Picture& p, std::uint32_t gap) {
    const std::string head = prefix(p) + std::string(gap, '\x55');
    std::string s = "BM";
    put32(s, std::uint32_t(14 + head.size() + p.pixels.size()));
    put32(s, 0);
    put32(s, std::uint32_t(14 + head.size()));
    return s + head + p.pixels;
}

std::string Rows(const std::vector<std::string>& rows) {
    std::string s;
    for (std::string row : rows) {
        row.resize((row.size() + 3) / 4 * 4, '\0');
        s += row;
    }
    return s;
}

std::vector<Named> Variants() {
    std::vector<Named> out;
    Picture p;
    p.width = 3;
    p.height = 2;
    p.pixels = Rows({std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09", 9), std::string(9, '\xEE')});
    out.push_back({"24bit", File(p)});
    p.height = -2;
    out.push_back({"24bit_topdown", File(p)});

    Picture idx;
    idx.width = 10;
    idx.height = 2;
    idx.bitsPerPixel = 1;
    idx.palette = {0x112233, 0xAABBCC};
    idx.pixels = Rows({"\xA5\x80"s, "\x0F\xC0"s});
    out.push_back({"1bit", File(idx)});
    idx.bitsPerPixel = 4;
    idx.width = 3;
    idx.palette = {0x000010, 0x002000, 0x300000};
    idx.colorsUsed = 3;
    idx.pixels = Rows({"\x01\x20"s, "\x21\x50"s});
    out.push_back({"4bit", File(idx)});
    idx.bitsPerPixel = 8;
    idx.pixels = Rows({"\x00\x01\x02"s, "\x02\x01\x00"s});
    out.push_back({"8bit", File(idx)});

    Picture rle;
    rle.width = 4;
    rle.height = 2;
    rle.bitsPerPixel = 8;
    rle.compression = 1;
    rle.palette = {0x0000FF, 0xFF0000, 0x00FF00};
    rle.colorsUsed = 3;
    // Literal run of 3 (padded), line end, delta (1, 0), run of 2, end of picture.
    rle.pixels = std::string("\x00\x03\x01\x02\x00\x00\x00\x00\x00\x02\x01\x00\x02\x02\x00\x01", 16);
    out.push_back({"rle8", File(rle)});
    rle.bitsPerPixel = 4;
    rle.compression = 2;
    // Run of 4 alternating nibbles, line end, literal run of 3 nibbles, end of picture.
    rle.pixels = std::string("\x04\x12\x00\x00\x00\x03\x21\x20\x00\x01", 10);
    out.push_back({"rle4", File(rle)});

    Picture f16;
    f16.width = 2;
    f16.height = 1;
    f16.bitsPerPixel = 16;
    f16.compression = 3;
    f16.masks[0] = 0xF800;
    f16.masks[1] = 0x07E0;
    f16.masks[2] = 0x001F;
    f16.pixels = std::string("\x00\xF8\xE0\x07", 4);
    out.push_back({"16bit_565", File(f16)});
    Picture f32;
    f32.headerSize = 124;
    f32.width = 1;
    f32.height = 1;
    f32.bitsPerPixel = 32;
    f32.compression = 3;
    f32.masks[0] = 0x000000FF;
    f32.masks[1] = 0x0000FF00;
    f32.masks[2] = 0x00FF0000;
    f32.pixels = std::string("\x11\x22\x33\x44", 4);
    out.push_back({"32bit_v5", File(f32)});

    Picture core;
    core.headerSize = 12;
    core.width = 2;
    core.height = 1;
    core.bitsPerPixel = 8;
    core.palette.assign(256, 0x0000FF);
    core.palette[1] = 0xABCDEF;
    core.pixels = Rows({"\x00\x01"s});
    out.push_back({"core8", File(core)});
    return out;
}

}  // namespace bmp_test
