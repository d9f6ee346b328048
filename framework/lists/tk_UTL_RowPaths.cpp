#include "framework/lists/tk_UTL_RowPaths.h"

#include "framework/lists/tk_CDUIR.h"
#include "framework/lists/tk_TVOLBAR.h"
#include "framework/support/tk_String.h"

void tk_UTL_SetRowPath(tk_TVOLBAR* row, const char* path) {
    delete[] static_cast<char*>(row->data);
    row->data = tk_StrDup(path);
}

void tk_UTL_FreeRowPaths(tk_CDUIR& list) {
    for (int i = 0; i < list.CountR(); ++i) {
        tk_TVOLBAR* row = list[i];
        if (!row) continue;
        delete[] static_cast<char*>(row->data);
        row->data = nullptr;
    }
}
