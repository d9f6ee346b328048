// The class ids of the screen elements: one integer per element class, and its name.
#pragma once

// The id every element class carries in class_id (and the icon type, which carries none). Id 10
// is not used; the ids of the layout editor's vocabulary (15 to 19) are never built here.
enum tk_ClassId : int {
    tk_CLASS_CPol = 0,
    tk_CLASS_CIcon = 1,
    tk_CLASS_CDAS = 2,
    tk_CLASS_CDS = 3,
    tk_CLASS_CTlac = 4,
    tk_CLASS_CPosuv = 5,
    tk_CLASS_CDPrep = 6,
    tk_CLASS_CDEDB = 7,
    tk_CLASS_CPolIcon = 8,
    tk_CLASS_CLabel = 9,
    tk_CLASS_CDUI = 11,
    tk_CLASS_CDUIR = 12,
    tk_CLASS_CDDialog_EFEKT = 13,
    tk_CLASS_CDDialog = 14,
    tk_CLASS_CFoliaText = 15,
    tk_CLASS_CFoliaFaz = 16,
    tk_CLASS_CFoliaIcon = 17,
    tk_CLASS_CFoliaDekor = 18,
    tk_CLASS_CUHSPol = 19,
    tk_CLASS_CPolCHLO = 20,
    tk_CLASS_CAppScreen = 21,
    tk_CLASS_CScrollBar = 22,
    tk_CLASS_UTL_CDUIR_THMFILE = 121,
    tk_CLASS_UTL_CDUIR_DIR = 122,
};

// One row of the class table: the id and the class's name, zero-padded.
struct tk_TClassRow {
    int id;
    char name[24];
};

constexpr int tk_CLASS_TABLE_ROWS = 24;
extern const tk_TClassRow tk_class_table[tk_CLASS_TABLE_ROWS];

// The name of the first row with this id, or "?" for an id the table does not hold.
const char* tk_glob_GetClassName(int id);
