#include "framework/widgets/tk_ClassTable.h"

// The file lists sit right after the row list; id 10 is not used.
const tk_TClassRow tk_class_table[tk_CLASS_TABLE_ROWS] = {
    {0, "tk_CPol"},
    {1, "tk_CIcon"},
    {2, "tk_CDAS"},
    {3, "tk_CDS"},
    {4, "tk_CTlac"},
    {5, "tk_CPosuv"},
    {6, "tk_CDPrep"},
    {7, "tk_CDEDB"},
    {8, "tk_CPolIcon"},
    {9, "tk_CLabel"},
    {11, "tk_CDUI"},
    {12, "tk_CDUIR"},
    {121, "tk_UTL_CDUIR_THMFILE"},
    {122, "tk_UTL_CDUIR_DIR"},
    {13, "tk_CDDialog_EFEKT"},
    {14, "tk_CDDialog"},
    {15, "tk_CFoliaText"},
    {16, "tk_CFoliaFaz"},
    {17, "tk_CFoliaIcon"},
    {18, "tk_CFoliaDekor"},
    {19, "tk_CUHSPol"},
    {20, "tk_CPolCHLO"},
    {21, "tk_CAppScreen"},
    {22, "tk_CScrollBar"},
};

const char* tk_glob_GetClassName(int id) {
    for (const tk_TClassRow& row : tk_class_table) {
        if (row.id == id) return row.name;
    }
    return "?";
}
