// The file lists keep, with every row, a heap copy of the path that the row stands for, in the
// row's private data. A row list insists that the data is freed before a row goes: these keep
// and free it.
#pragma once

class tk_CDUIR;
class tk_TVOLBAR;

// Stores a heap copy of path (or null) as the row's data.
void tk_UTL_SetRowPath(tk_TVOLBAR* row, const char* path);
// Frees and clears the path of every row of the list.
void tk_UTL_FreeRowPaths(tk_CDUIR& list);
