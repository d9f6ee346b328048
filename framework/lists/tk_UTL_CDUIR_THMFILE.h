// tk_UTL_CDUIR_THMFILE: a row list of the pictures of a folder shown by their thumbnails. Each
// row shows a picture's bare name and its thumbnail as an icon it owns, and keeps the picture's
// path as the row's data.
#pragma once

#include "framework/lists/tk_CDUIR.h"

class tk_UTL_CDUIR_THMFILE : public tk_CDUIR {
  public:
    // Size of the thumbnails XRELOAD makes.
    int thm_sir;
    int thm_vys;

    tk_UTL_CDUIR_THMFILE();
    explicit tk_UTL_CDUIR_THMFILE(const char* name);
    tk_UTL_CDUIR_THMFILE(tk_CPolCHLO* parent, int rx, int ry);
    tk_UTL_CDUIR_THMFILE(tk_CPolCHLO* parent, int id);
    // Frees every row's path before the rows go.
    ~tk_UTL_CDUIR_THMFILE() override;

    // Appends one row per picture of folder, BMP, PNG or JPEG (ids 1, 2, ... in listing order), its icon
    // loaded from the thumbnail when there is one (keyed when transparent). Returns 0.
    int LOAD(const char* folder, bool transparent);
    // Clears the rows (paths freed), then LOAD. Returns 0.
    int RELOAD(const char* folder, bool transparent);
    // Makes the folder's missing thumbnails at thm_sir x thm_vys, then RELOAD and AUTORESIZE.
    int XRELOAD(const char* folder, bool transparent);
    // The number of rows with an icon and, when there is one, the smallest and largest phase
    // sizes of those icons (through the pointers that are not null).
    int GetIconsStatistics(int* min_w, int* max_w, int* min_h, int* max_h);
    // Fits the entry height, row step and text margin to the largest thumbnail; never shrinks
    // them. -1 (nothing changed) when no row has an icon, else 0.
    int AUTORESIZE();

  private:
    void InicThm();
    void PRIDAJ_THMFILE(int id, const char* title, const char* picture, const char* thumbnail);
};
