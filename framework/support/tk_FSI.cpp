#define TK_MODULE "TK_FSI_w"
#include "framework/support/tk_FSI.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "framework/support/tk_CARRE.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"
#include "platform/platform.h"

namespace {

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

// Index just past the last separator (0 without one).
std::size_t nameStart(const char* path) {
    std::size_t start = 0;
    for (std::size_t i = 0; path[i]; ++i)
        if (isSeparator(path[i])) start = i + 1;
    return start;
}

// Index of the last dot of the name part, or npos.
std::size_t extensionDot(const char* path) {
    std::size_t dot = std::string::npos;
    for (std::size_t i = nameStart(path); path[i]; ++i)
        if (path[i] == '.') dot = i;
    return dot;
}

void copyPart(const char* from, std::size_t len, char* out, std::size_t out_size) {
    tk_StrCopy(out, out_size, std::string(from, len).c_str());
}

std::string joinPath(const char* folder, const char* name) {
    std::string path(folder);
    if (path.empty() || !isSeparator(path.back())) path += '/';
    return path + name;
}

bool isDotEntry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// The listing rule: which search entries a listing takes.
bool takenByListing(const WIN32_FIND_DATAA& fd, int kind) {
    if (isDotEntry(fd.cFileName)) return false;
    if (std::strncmp(fd.cFileName, "rezia", 5) == 0 || std::strncmp(fd.cFileName, "sprit", 5) == 0)
        return false;
    bool folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return kind == 1 ? folder : !folder;
}

// Runs the listing rule and hands each taken entry, as a heap string, to take.
template <typename Take>
int listEntries(const char* folder, const char* mask, int kind, bool full, Take take) {
    if (kind != 0 && kind != 1) return -1;
    if (!folder || !*folder || !mask || !*mask) return -1;
    std::string pattern = joinPath(folder, mask);
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!takenByListing(fd, kind)) continue;
        take(tk_StrDup(full ? joinPath(folder, fd.cFileName).c_str() : fd.cFileName));
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    return 0;
}

}  // namespace

void tk_FSI_Vystrihni_meno(const char* path, char* out, std::size_t out_size) {
    if (!path) path = "";
    std::size_t start = nameStart(path);
    std::size_t dot = extensionDot(path);
    std::size_t end = dot == std::string::npos ? std::strlen(path) : dot;
    copyPart(path + start, end - start, out, out_size);
}

void tk_FSI_Odstrihni_meno(const char* path, char* out, std::size_t out_size) {
    if (!path) path = "";
    tk_StrCopy(out, out_size, path + nameStart(path));
}

void tk_FSI_Zmen_priponu(const char* path, const char* ext, char* out, std::size_t out_size) {
    if (!path) path = "";
    std::size_t dot = extensionDot(path);
    std::string result = dot == std::string::npos ? std::string(path) + "." : std::string(path, dot + 1);
    result += ext ? ext : "";
    tk_StrCopy(out, out_size, result.c_str());
}

bool tk_FSI_Existuje_sub(const char* path) {
    if (!path) return false;
    // Asked without opening it: a FIFO would hold an open for reading until a writer came. What
    // is there (a folder aside) counts; whoever reads it refuses what is no regular file.
    struct stat st {};
    return ::stat(path, &st) == 0 && !S_ISDIR(st.st_mode);
}

bool tk_FSI_ExistsFolder(const char* path) {
    if (!path || !*path) return false;
    // A search does not find "folder/"; the folder itself is meant.
    std::string p(path);
    while (p.size() > 1 && isSeparator(p.back())) p.pop_back();
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(p.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return false;
    FindClose(h);
    return true;
}

int tk_FSI_Zisti_SubAdr(const char* folder, const char* mask, int kind, bool full, tk_CARRE* list) {
    if (!list) return -1;
    return listEntries(folder, mask, kind, full, [&](char* entry) { list->Add(entry); });
}

int tk_FSI_Zisti_SubAdr_Pole(const char* folder, const char* mask, int kind, bool full, char** array,
                             int capacity, int* last) {
    if (!array || !last) return -1;
    int index = -1;
    int result = listEntries(folder, mask, kind, full, [&](char* entry) {
        if (index + 1 >= capacity) {
            TK_LOG_ERR("tk_FSI_Zisti_SubAdr_Pole - pole je plne");
            delete[] entry;
            return;
        }
        array[++index] = entry;
    });
    if (result == 0) *last = index;
    return result;
}

int tk_FSI_ListFolder(const char* folder) {
    TK_LOG(" ListFolder", folder);
    std::string pattern = joinPath(folder ? folder : "", "*.*");
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) {
        TK_LOG_ERR("Problem pri ListFolder - FindFirstFile");
        return -1;
    }
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            TK_LOG("  -file", fd.cFileName);
        } else if (!isDotEntry(fd.cFileName)) {
            TK_LOG("-folder", fd.cFileName);
            tk_FSI_ListFolder(joinPath(folder, fd.cFileName).c_str());
        }
    } while (FindNextFileA(h, &fd));
    if (GetLastError() != ERROR_NO_MORE_FILES) TK_LOG_ERR("Problem pri ListFolder - FindNextFile");
    FindClose(h);
    return 0;
}

int tk_FSI_SynchroFolders(const char* from, const char* to) {
    std::string pattern = joinPath(from ? from : "", "*.*");
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA(pattern.c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) {
        TK_LOG_ERR("Problem pri SynchroFolders - FindFirstFile");
        return -1;
    }
    do {
        if (isDotEntry(fd.cFileName)) continue;
        std::string source = joinPath(from, fd.cFileName);
        std::string target = joinPath(to ? to : "", fd.cFileName);
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            if (!CopyFileA(source.c_str(), target.c_str(), FALSE)) TK_LOG_ERR("Problem pri CopyFile");
        } else if (CreateDirectoryA(target.c_str(), nullptr)) {
            tk_FSI_SynchroFolders(source.c_str(), target.c_str());
        } else {
            TK_LOG_ERR("Problem pri CreateDirectory");
        }
    } while (FindNextFileA(h, &fd));
    if (GetLastError() != ERROR_NO_MORE_FILES) TK_LOG_ERR("Problem pri SynchroFolders - FindNextFile");
    FindClose(h);
    return 0;
}
