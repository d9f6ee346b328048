#include "tests/resources/bmp_reader.h"

namespace tk_res_test {

namespace {

std::uint32_t U(const std::string& b, std::size_t at, int n) {
    std::uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}

}  // namespace

bool ReadBmpInfo(const std::string& b, BmpInfo* info) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || U(b, 14, 4) != 40) return false;
    info->fileSize = U(b, 2, 4);
    info->offset = U(b, 10, 4);
    info->width = static_cast<int>(U(b, 18, 4));
    info->height = static_cast<int>(U(b, 22, 4));
    info->bits = static_cast<int>(U(b, 28, 2));
    info->compression = U(b, 30, 4);
    info->imageSize = U(b, 34, 4);
    info->colours = U(b, 46, 4);
    return U(b, 26, 2) == 1;
}

std::vector<std::uint32_t> ReadBmp24(const std::string& b, int* w, int* h) {
    BmpInfo info;
    if (!ReadBmpInfo(b, &info) || info.bits != 24 || info.compression != 0 || info.width <= 0 ||
        info.height <= 0)
        return {};
    const std::size_t stride = (static_cast<std::size_t>(info.width) * 3 + 3) / 4 * 4;
    if (info.offset + stride * info.height > b.size()) return {};
    std::vector<std::uint32_t> px(static_cast<std::size_t>(info.width) * info.height);
    for (int y = 0; y < info.height; ++y) {
        std::size_t row = info.offset + stride * (info.height - 1 - y);
        for (int x = 0; x < info.width; ++x)
            px[static_cast<std::size_t>(y) * info.width + x] = U(b, row + 3 * x, 3);
    }
    *w = info.width;
    *h = info.height;
    return px;
}

bool DecodeRle(const std::string& b, std::vector<std::uint8_t>* out, int* w, int* h) {
    BmpInfo info;
    if (!ReadBmpInfo(b, &info) || info.width <= 0 || info.height <= 0) return false;
    const bool four = info.compression == 2 && info.bits == 4;
    if (!four && !(info.compression == 1 && info.bits == 8)) return false;
    out->assign(static_cast<std::size_t>(info.width) * info.height, 0);
    std::size_t at = info.offset;
    int x = 0, row = 0;  // row counts from the bottom
    auto put = [&](int v) {
        if (x >= info.width || row >= info.height) return false;
        (*out)[static_cast<std::size_t>(info.height - 1 - row) * info.width + x++] =
            static_cast<std::uint8_t>(v);
        return true;
    };
    while (at + 2 <= b.size()) {
        int n = static_cast<unsigned char>(b[at]), v = static_cast<unsigned char>(b[at + 1]);
        at += 2;
        if (n > 0) {
            for (int i = 0; i < n; ++i)
                if (!put(four ? (i % 2 == 0 ? v >> 4 : v & 15) : v)) return false;
        } else if (v == 0) {
            x = 0;
            ++row;
        } else if (v == 1) {
            *w = info.width;
            *h = info.height;
            return true;
        } else if (v == 2) {
            return false;  // the tools never write deltas
        } else {
            std::size_t bytes = four ? (v + 1) / 2 : v;
            if (at + bytes > b.size()) return false;
            for (int i = 0; i < v; ++i) {
                int byte = static_cast<unsigned char>(b[at + (four ? i / 2 : i)]);
                if (!put(four ? (i % 2 == 0 ? byte >> 4 : byte & 15) : byte)) return false;
            }
            at += bytes + (bytes % 2);
        }
    }
    return false;
}

}  // namespace tk_res_test
