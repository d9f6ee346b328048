#include "tests/resources/resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/common/tk_test_files.h"

namespace tk_res_test {

namespace fs = std::filesystem;

std::string RepoPath(const std::string& relative) {
    return std::string(TK_SOURCE_DIR) + "/" + relative;
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == extension) out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> CardSetFolders() {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(RepoPath("cardsets")))
        if (e.is_directory() && e.path().filename().string().rfind("DATA", 0) == 0)
            out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

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

SheetView::SheetView(const std::string& relative) {
    const std::string b = tk_test::ReadFile(RepoPath(relative));
    BmpInfo info;
    const bool ok = ReadBmpInfo(b, &info) && info.bits == 24 && info.compression == 0 && info.width > 0 &&
                    info.height > 0;
    const std::size_t stride = ok ? (static_cast<std::size_t>(info.width) * 3 + 3) / 4 * 4 : 0;
    if (!ok || info.offset + stride * info.height > b.size()) {
        ADD_FAILURE() << relative << " is not a readable 24-bit BMP";
        return;
    }
    w_ = info.width, h_ = info.height;
    px_.resize(static_cast<std::size_t>(w_) * h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x)
            px_[static_cast<std::size_t>(y) * w_ + x] = U(b, info.offset + stride * (h_ - 1 - y) + 3 * x, 3);
}

std::uint16_t SheetView::Pixel(int x, int y) const {
    std::uint32_t c = Rgb(x, y);
    return static_cast<std::uint16_t>((((c >> 16) & 255) >> 3) << 11 | (((c >> 8) & 255) >> 2) << 5 |
                                      (c & 255) >> 3);
}

Phase SheetView::Locate(int x, int y, std::uint16_t bc) const {
    // As the framework does, a phase reaching the sheet's top or left edge starts at 1.
    Phase f;
    int r = y, c = x;
    while (Pixel(x, r) != bc && r > 0) --r;
    f.y = r + 1;
    while (++r < h_ && Pixel(x, r) != bc) {
    }
    f.y2 = r, f.h = r - f.y + 1;
    while (Pixel(c, y) != bc && c > 0) --c;
    f.x = c + 1;
    while (++c < w_ && Pixel(c, y) != bc) {
    }
    f.x2 = c, f.w = c - f.x + 1;
    return f;
}

}  // namespace tk_res_test
