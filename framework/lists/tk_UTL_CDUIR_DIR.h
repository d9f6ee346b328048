// tk_UTL_CDUIR_DIR: a row list of the sub-folders of a folder. Each row shows a folder's bare
// name and keeps its full path as the row's data.
#pragma once

#include "framework/lists/tk_CDUIR.h"

class tk_UTL_CDUIR_DIR : public tk_CDUIR {
  public:
    tk_UTL_CDUIR_DIR();
    explicit tk_UTL_CDUIR_DIR(const char* name);
    tk_UTL_CDUIR_DIR(tk_CPolCHLO* parent, int rx, int ry);
    tk_UTL_CDUIR_DIR(tk_CPolCHLO* parent, int id);
    // Frees every row's path before the rows go.
    ~tk_UTL_CDUIR_DIR() override;

    // Appends one row per sub-folder of folder that matches mask, valued 100, 101, ... in
    // listing order; loading again appends again. Returns 0.
    int LOAD(const char* folder, const char* mask);
    // Adds a row without an icon keeping a copy of path (or null) as its data.
    void PRIDAJ_DIR(int value, const char* text, const char* path);

  private:
    void InicDir();
};
