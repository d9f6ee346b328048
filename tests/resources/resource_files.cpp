#include "tests/resources/resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/image/bmp_decode.h"
#include "platform/pixels/pixel565.h"
#include "tests/common/tk_test_files.h"

namespace tk_res_test {

namespace fs = std::filesystem;

std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == extension) out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> PicturesIn(const std::string& folder) {
    std::vector<std::string> out;
    for (const char* extension : {".bmp", ".png", ".jpg", ".jpeg"}) {
        for (const auto& e : fs::directory_iterator(folder)) {
            std::string ext = e.path().extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(),
                           [](unsigned char c) { return std::tolower(c); });
            if (e.is_regular_file() && ext == extension) out.push_back(e.path().string());
        }
    }
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
    info->width = static_cast<int>(U(b, 18, 4));
    info->height = static_cast<int>(U(b, 22, 4));
    info->bits = static_cast<int>(U(b, 28, 2));
    info->compression = U(b, 30, 4);
    return U(b, 26, 2) == 1;
}

SheetView::SheetView(const std::string& relative) {
    const std::string b = tk_test::ReadFile(RepoPath(relative));
    tkp_BmpImage image;
    if (!tkp_DecodeBmpFile(reinterpret_cast<const std::uint8_t*>(b.data()), b.size(), &image, nullptr)) {
        ADD_FAILURE() << relative << " is not a readable BMP";
        return;
    }
    px_ = std::move(image.pixels);
    w_ = image.width, h_ = image.height;
}

std::uint16_t SheetView::Pixel(int x, int y) const {
    return tkp::XrgbTo565(Rgb(x, y));
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
