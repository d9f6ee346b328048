// File-system helpers: names cut out of paths, extensions changed, files tested, folders listed
// and walked. Paths are built with '/'; the name helpers accept '/' and '\' alike.
#pragma once

#include <cstddef>

class tk_CARRE;

// The room for a path with its terminating zero: the size of the buffers paths are built in.
constexpr int tk_FSI_PATH_SIZE = 4096;

// The bare name: between the last separator and the last dot after it ("../DATA1/pes.thm" -> "pes").
// Without a separator the name starts at the beginning; without such a dot it runs to the end.
void tk_FSI_Vystrihni_meno(const char* path, char* out, std::size_t out_size);
// The name with its extension: everything after the last separator (the whole path without one).
void tk_FSI_Odstrihni_meno(const char* path, char* out, std::size_t out_size);
// The path with everything after its last dot replaced by ext; a name without a dot gets ".ext".
void tk_FSI_Zmen_priponu(const char* path, const char* ext, char* out, std::size_t out_size);

template <std::size_t N>
void tk_FSI_Vystrihni_meno(const char* path, char (&out)[N]) {
    tk_FSI_Vystrihni_meno(path, out, N);
}
template <std::size_t N>
void tk_FSI_Odstrihni_meno(const char* path, char (&out)[N]) {
    tk_FSI_Odstrihni_meno(path, out, N);
}
template <std::size_t N>
void tk_FSI_Zmen_priponu(const char* path, const char* ext, char (&out)[N]) {
    tk_FSI_Zmen_priponu(path, ext, out, N);
}

bool tk_FSI_Existuje_sub(const char* path);
bool tk_FSI_ExistsFolder(const char* path);

// Appends the entries of folder matching mask to list as heap strings (delete[] or
// tk_CARRE::UVOLNI_char): kind 0 files, kind 1 folders; full = whole paths instead of names.
// "." and "..", and names beginning with "rezia" or "sprit", are left out. 0, or -1 on bad arguments.
int tk_FSI_Zisti_SubAdr(const char* folder, const char* mask, int kind, bool full, tk_CARRE* list);
// The same into the caller's array of capacity slots; *last becomes the index of the last
// stored entry (-1 when none). Entries beyond the capacity are logged and left out.
int tk_FSI_Zisti_SubAdr_Pole(const char* folder, const char* mask, int kind, bool full, char** array,
                             int capacity, int* last);

// Writes the folder tree to the log; 0, or -1 when the folder cannot be searched.
int tk_FSI_ListFolder(const char* folder);
// Copies the tree of from into to, overwriting files; 0, or -1 when from cannot be searched.
int tk_FSI_SynchroFolders(const char* from, const char* to);
