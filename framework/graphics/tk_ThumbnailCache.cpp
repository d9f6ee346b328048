#define TK_MODULE "TK_DBMP_w"
#include "framework/graphics/tk_ThumbnailCache.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

std::uint64_t fnv1a(const std::string& text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    return h;
}

}  // namespace

std::string tk_BMP_ThumbnailCacheFolder() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    // The XDG rules ignore a relative path.
    if (xdg && xdg[0] == '/') return std::string(xdg) + "/kartola/thumbnails";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return std::string(home) + "/.cache/kartola/thumbnails";
    return "";
}

std::string tk_BMP_CachedThumbnailPath(const char* picture) {
    const std::string folder = tk_BMP_ThumbnailCacheFolder();
    if (!picture || folder.empty()) return "";
    char full[PATH_MAX];
    struct stat st {};
    if (!realpath(picture, full) || stat(full, &st) != 0) return "";
    const std::string key = std::string(full) + '\n' + std::to_string(st.st_size) + '\n' +
                            std::to_string(st.st_mtim.tv_sec) + '.' + std::to_string(st.st_mtim.tv_nsec);
    char name[32];
    std::snprintf(name, sizeof(name), "/%016llx.thm", static_cast<unsigned long long>(fnv1a(key)));
    return folder + name;
}

bool tk_BMP_MakeThumbnailCacheFolder() {
    const std::string folder = tk_BMP_ThumbnailCacheFolder();
    if (folder.empty()) return false;
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/') continue;
        const std::string part = folder.substr(0, at);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st {};
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
