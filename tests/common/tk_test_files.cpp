#include "tests/common/tk_test_files.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace tk_test {

ScopedWorkDir::ScopedWorkDir() {
    previous_ = std::filesystem::current_path().string();
    std::string tmpl = (std::filesystem::temp_directory_path() / "tk_test_XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl;
    std::filesystem::current_path(path_);
    // Thumbnails that cannot lie beside their pictures go to the user's cache: this folder's.
    const char* cache = std::getenv("XDG_CACHE_HOME");
    previous_cache_ = cache ? cache : "";
    had_cache_ = cache != nullptr;
    setenv("XDG_CACHE_HOME", (path_ + "/.cache").c_str(), 1);
}

ScopedWorkDir::~ScopedWorkDir() {
    if (had_cache_)
        setenv("XDG_CACHE_HOME", previous_cache_.c_str(), 1);
    else
        unsetenv("XDG_CACHE_HOME");
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

int RemoveTemporaries(const std::string& folder) {
    int n = 0;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.path().filename().string().find(".tmp") != std::string::npos)
            n += std::filesystem::remove(e.path(), ec);
    return n;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void MakeDir(const std::string& path) {
    std::filesystem::create_directories(path);
}

std::string FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string s;
    for (const auto& n : names) s += (s.empty() ? "" : " ") + n;
    return s;
}

std::string RepoPath(const std::string& relative) {
    return std::string(TK_SOURCE_DIR) + "/" + relative;
}

std::vector<std::string> LogLines() {
    std::vector<std::string> lines;
    std::istringstream in(ReadFile("tk_LOG.txt"));
    static const std::regex number(R"(\((\d+)\) : )");
    for (std::string line; std::getline(in, line);)
        lines.push_back(std::regex_replace(line, number, "(N) : "));
    return lines;
}

bool Logged(const std::string& text) {
    return ReadFile("tk_LOG.txt").find(text) != std::string::npos;
}

}  // namespace tk_test
