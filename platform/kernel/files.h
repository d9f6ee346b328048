// File search, copy and folder creation in the shape of the Windows kernel calls.
// Paths use '/'; '\' is accepted as a separator too. Names match their pattern without
// regard to case, with '*' and '?' as wildcards; a search lists its entries sorted by name.
#pragma once

#include "platform/base/wintypes.h"

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x02;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
using LPWIN32_FIND_DATAA = WIN32_FIND_DATAA*;

DWORD GetLastError();
void SetLastError(DWORD code);

// Starts a search for "folder/pattern"; INVALID_HANDLE_VALUE when nothing matches
// (ERROR_FILE_NOT_FOUND) or the folder cannot be read (ERROR_PATH_NOT_FOUND).
HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
// Next entry; FALSE with ERROR_NO_MORE_FILES at the end.
BOOL FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data);
BOOL FindClose(HANDLE search);

BOOL CopyFileA(LPCSTR from, LPCSTR to, BOOL failIfExists);
// The security attributes are accepted and ignored; pass nullptr.
BOOL CreateDirectoryA(LPCSTR path, void* securityAttributes);
