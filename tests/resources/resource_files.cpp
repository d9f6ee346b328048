#include "tests/resources/resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "tests/common/tk_test_surface.h"

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

SheetView::SheetView(const std::string& relative) {
    EXPECT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
    if (!sheet_.NAHRAJ_SURFACE(dd_, RepoPath(relative).c_str())) {
        ADD_FAILURE() << relative << " cannot be loaded";
        sheet_.w = sheet_.h = 1;
    }
    px_ = tk_test::PixelsOf(sheet_.SURFACE);
    px_.resize(static_cast<std::size_t>(sheet_.w) * sheet_.h);
}

SheetView::~SheetView() {
    sheet_.RELEASE_SURFACE();
    if (dd_) dd_->Release();
}

tk_TFAZA SheetView::Locate(int x, int y, std::uint16_t background) {
    sheet_.BC = background;
    return sheet_.ZAMERAJ_FAZU(x, y);
}

}  // namespace tk_res_test
