// File search over POSIX directories, with the Windows rules the framework relies on:
// "." and ".." are listed, names match without regard to case, entries come sorted.
#include "platform/kernel/files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace {

thread_local DWORD g_lastError = ERROR_SUCCESS;

struct Entry {
    std::string name;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    std::uint64_t size = 0;
};

struct Search {
    std::vector<Entry> entries;
    std::size_t next = 0;
};

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length in bytes of the UTF-8 character at s: a lead byte followed by as many continuation bytes
// as it announces; any other byte (a stray continuation byte, a lead byte cut short by the end of
// the name or by a byte that does not continue it, bytes that are no UTF-8 at all) is one character
// of its own, so that the matcher never steps over the name's end or over an ASCII byte.
std::size_t utf8Length(const char* s) {
    const auto c = static_cast<unsigned char>(*s);
    const std::size_t n = c >= 0xC2 && c < 0xE0   ? 2
                          : c >= 0xE0 && c < 0xF0 ? 3
                          : c >= 0xF0 && c < 0xF5 ? 4
                                                  : 1;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return 1;
    return n;
}

bool matchFrom(const char* p, const char* n) {
    while (*p) {
        if (*p == '*') {
            while (*p == '*') ++p;
            if (!*p) return true;
            for (const char* rest = n;; rest += utf8Length(rest)) {
                if (matchFrom(p, rest)) return true;
                if (!*rest) return false;
            }
        }
        if (!*n) return false;
        if (*p == '?') {
            n += utf8Length(n);
            ++p;
            continue;
        }
        if (foldAscii(*p) != foldAscii(*n)) return false;
        ++p;
        ++n;
    }
    return *n == '\0';
}

void fill(const Entry& e, WIN32_FIND_DATAA* data) {
    std::memset(data, 0, sizeof(*data));
    data->dwFileAttributes = e.attributes;
    data->nFileSizeHigh = static_cast<DWORD>(e.size >> 32);
    data->nFileSizeLow = static_cast<DWORD>(e.size & 0xFFFFFFFFu);
    std::snprintf(data->cFileName, sizeof(data->cFileName), "%s", e.name.c_str());
}

// Sorted as Windows lists a folder: case folded first, then byte order.
bool entryBefore(const Entry& a, const Entry& b) {
    std::size_t n = std::min(a.name.size(), b.name.size());
    for (std::size_t i = 0; i < n; ++i) {
        char x = foldAscii(a.name[i]), y = foldAscii(b.name[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.name.size() != b.name.size()) return a.name.size() < b.name.size();
    return a.name < b.name;
}

std::string nativePath(const char* path) {
    std::string s(path);
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

}  // namespace

DWORD GetLastError() {
    return g_lastError;
}
void SetLastError(DWORD code) {
    g_lastError = code;
}

namespace tkp::testing {
// Declared for tests in platform/testing/test_hooks.h.
bool WildcardMatch(const char* pattern, const char* name) {
    if (!pattern || !name) return false;
    // "*.*" means every entry, also those without a dot.
    if (std::strcmp(pattern, "*.*") == 0) return true;
    return matchFrom(pattern, name);
}
}  // namespace tkp::testing

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data) {
    if (!pattern || !data || !*pattern) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string full = nativePath(pattern);
    std::size_t cut = full.find_last_of('/');
    // "name" searches the working folder; "/name" the root.
    std::string folder(1, '.');
    std::string mask = full;
    if (cut != std::string::npos) {
        folder.assign(full, 0, cut == 0 ? 1 : cut);
        mask.assign(full, cut + 1, std::string::npos);
    }

    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        SetLastError(errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto search = new Search;
    while (dirent* d = readdir(dir)) {
        if (std::strlen(d->d_name) >= MAX_PATH || !tkp::testing::WildcardMatch(mask.c_str(), d->d_name))
            continue;
        Entry e;
        e.name = d->d_name;
        struct stat st {};
        std::string path = folder;
        path.append("/").append(e.name);
        if (stat(path.c_str(), &st) == 0) {
            if (S_ISDIR(st.st_mode)) {
                e.attributes = FILE_ATTRIBUTE_DIRECTORY;
            } else {
                e.size = static_cast<std::uint64_t>(st.st_size);
            }
        }
        if (e.name[0] == '.' && e.name != "." && e.name != "..") e.attributes |= FILE_ATTRIBUTE_HIDDEN;
        search->entries.push_back(std::move(e));
    }
    closedir(dir);
    if (search->entries.empty()) {
        delete search;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::sort(search->entries.begin(), search->entries.end(), entryBefore);
    fill(search->entries[0], data);
    search->next = 1;
    SetLastError(ERROR_SUCCESS);
    return search;
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data) {
    if (!handle || handle == INVALID_HANDLE_VALUE || !data) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    auto search = static_cast<Search*>(handle);
    if (search->next >= search->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    fill(search->entries[search->next++], data);
    return TRUE;
}

BOOL FindClose(HANDLE handle) {
    if (!handle || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete static_cast<Search*>(handle);
    return TRUE;
}

BOOL CopyFileA(LPCSTR from, LPCSTR to, BOOL failIfExists) {
    if (!from || !to) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string src = nativePath(from), dst = nativePath(to);
    if (!fs::is_regular_file(src, ec)) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (failIfExists && fs::exists(dst, ec)) {
        SetLastError(ERROR_FILE_EXISTS);
        return FALSE;
    }
    // Copy beside the target and rename it into place, so a failed copy leaves no half file.
    std::string tmp = dst + ".tkcopy";
    fs::copy_file(src, tmp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(tmp, dst, ec);
    if (ec) {
        fs::remove(tmp, ec);
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    return TRUE;
}

BOOL CreateDirectoryA(LPCSTR path, void* /*securityAttributes*/) {
    if (!path || !*path) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (mkdir(nativePath(path).c_str(), 0777) == 0) return TRUE;
    SetLastError(errno == EEXIST   ? ERROR_ALREADY_EXISTS
                 : errno == ENOENT ? ERROR_PATH_NOT_FOUND
                                   : ERROR_ACCESS_DENIED);
    return FALSE;
}
