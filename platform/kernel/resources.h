// Resources compiled into the executable, found by name without regard to case.
// Each file of the resources folder becomes one resource named by its file name: ".bmp" files
// are RT_BITMAP (without their 14-byte file header, starting at the BITMAPINFOHEADER), ".ico"
// files RT_GROUP_ICON (the whole icon file), and any other file has the type named by its
// upper-case extension ("WAV"). A file whose base name is a number ("32512.ico") also answers to
// that integer id.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/base/wintypes.h"

// An integer resource id in the place of a name; ids are below 0x10000.
inline LPSTR MAKEINTRESOURCEA(WORD id) {
    return reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(id));
}
#define MAKEINTRESOURCE MAKEINTRESOURCEA
inline bool IS_INTRESOURCE(LPCSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

inline const LPSTR RT_CURSOR = MAKEINTRESOURCEA(1);
inline const LPSTR RT_BITMAP = MAKEINTRESOURCEA(2);
inline const LPSTR RT_ICON = MAKEINTRESOURCEA(3);
inline const LPSTR RT_RCDATA = MAKEINTRESOURCEA(10);
inline const LPSTR RT_GROUP_CURSOR = MAKEINTRESOURCEA(12);
inline const LPSTR RT_GROUP_ICON = MAKEINTRESOURCEA(14);

constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// The module is null or GetModuleHandleA(nullptr); names and types are strings (compared without
// regard to ASCII case), "#123" strings or MAKEINTRESOURCE ids. Null when not found.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
// The resource's bytes as a handle; LockResource turns it into the pointer. They stay valid for
// the whole run (a resource a test registered: until the test clears them).
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
