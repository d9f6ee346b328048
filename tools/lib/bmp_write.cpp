#include "tools/lib/bmp_write.h"

#include <cstdio>

namespace art {

namespace {

void put16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>(v & 255));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 255));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// BITMAPFILEHEADER and BITMAPINFOHEADER; 2835 pixels per metre is 72 dpi.
std::vector<std::uint8_t> headers(int w, int h, int bits, std::uint32_t compression,
                                  std::uint32_t paletteCount, std::uint32_t imageSize) {
    std::vector<std::uint8_t> out;
    std::uint32_t offset = 14 + 40 + 4 * paletteCount;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(w));
    put32(out, static_cast<std::uint32_t>(h));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bits));
    put32(out, compression);
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, paletteCount);
    put32(out, 0);
    return out;
}

void putPalette(std::vector<std::uint8_t>& out, const std::vector<std::uint32_t>& palette) {
    for (std::uint32_t c : palette) put32(out, c & 0xFFFFFF);  // blue, green, red, 0
}

// One row of RLE data: runs of one colour, literal stretches (three or more) in absolute mode.
void encodeRow(std::vector<std::uint8_t>& out, const std::uint8_t* v, int w, int bits) {
    int i = 0;
    auto runAt = [&](int k) {
        int r = 1;
        while (k + r < w && r < 255 && v[k + r] == v[k]) ++r;
        return r;
    };
    while (i < w) {
        int run = runAt(i);
        if (run >= 2) {
            out.push_back(static_cast<std::uint8_t>(run));
            out.push_back(static_cast<std::uint8_t>(bits == 8 ? v[i] : (v[i] << 4) | v[i]));
            i += run;
            continue;
        }
        int j = i;
        while (j < w && j - i < 255 && runAt(j) < 2) ++j;
        int n = j - i;
        if (n < 3) {
            for (int k = i; k < j; ++k) {
                out.push_back(1);
                out.push_back(static_cast<std::uint8_t>(bits == 8 ? v[k] : v[k] << 4));
            }
        } else {
            out.push_back(0);
            out.push_back(static_cast<std::uint8_t>(n));
            std::size_t start = out.size();
            if (bits == 8) {
                for (int k = i; k < j; ++k) out.push_back(v[k]);
            } else {
                for (int k = i; k < j; k += 2)
                    out.push_back(static_cast<std::uint8_t>((v[k] << 4) | (k + 1 < j ? v[k + 1] : 0)));
            }
            if ((out.size() - start) % 2 != 0) out.push_back(0);
        }
        i = j;
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp24(const RgbImage& img) {
    int stride = (img.w * 3 + 3) / 4 * 4;
    auto out = headers(img.w, img.h, 24, 0, 0, static_cast<std::uint32_t>(stride * img.h));
    for (int y = img.h - 1; y >= 0; --y) {
        for (int x = 0; x < img.w; ++x) {
            std::uint32_t p = img.At(x, y);
            out.push_back(static_cast<std::uint8_t>(p & 255));
            out.push_back(static_cast<std::uint8_t>((p >> 8) & 255));
            out.push_back(static_cast<std::uint8_t>((p >> 16) & 255));
        }
        for (int k = img.w * 3; k < stride; ++k) out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeRle(const IndexedImage& img, int bits) {
    std::vector<std::uint8_t> out;
    for (int y = img.h - 1; y >= 0; --y) {
        encodeRow(out, &img.idx[static_cast<std::size_t>(y) * img.w], img.w, bits);
        out.push_back(0);
        out.push_back(y == 0 ? 1 : 0);  // end of line, or end of bitmap after the top row
    }
    return out;
}

std::vector<std::uint8_t> EncodeBmpIndexed(const IndexedImage& img, int bits, BmpCompression compression) {
    auto count = static_cast<std::uint32_t>(img.palette.size());
    if (compression == BmpCompression::Rle) {
        auto data = EncodeRle(img, bits);
        auto out =
            headers(img.w, img.h, bits, bits == 8 ? 1 : 2, count, static_cast<std::uint32_t>(data.size()));
        putPalette(out, img.palette);
        out.insert(out.end(), data.begin(), data.end());
        return out;
    }
    int stride = (img.w * bits + 31) / 32 * 4;
    auto out = headers(img.w, img.h, bits, 0, count, static_cast<std::uint32_t>(stride * img.h));
    putPalette(out, img.palette);
    for (int y = img.h - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < img.w; ++x) {
            if (bits == 8)
                row[x] = img.At(x, y);
            else
                row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? img.At(x, y) << 4 : img.At(x, y));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        return false;
    }
    // An empty file (a marker) writes nothing: fwrite must not see the empty vector's null data.
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

}  // namespace art
