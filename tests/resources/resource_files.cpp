#include "tests/resources/resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/common/tk_test_files.h"
#include "tests/resources/bmp_reader.h"

namespace tk_res_test {

namespace fs = std::filesystem;

std::string RepoPath(const std::string& relative) {
    return std::string(TK_SOURCE_DIR) + "/" + relative;
}

SheetView LoadSheet(const std::string& relative) {
    int w = 0, h = 0;
    auto px = ReadBmp24(tk_test::ReadFile(RepoPath(relative)), &w, &h);
    EXPECT_FALSE(px.empty()) << relative << " is not a readable 24-bit BMP";
    if (px.empty()) return SheetView({0}, 1, 1);
    return SheetView(std::move(px), w, h);
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

}  // namespace tk_res_test
