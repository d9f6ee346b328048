#include "framework/widgets/tk_ClassTable.h"

// The file lists sit right after the row list.
const tk_TClassRow tk_class_table[tk_CLASS_TABLE_ROWS] = {
    {tk_CLASS_CPol, "tk_CPol"},
    {tk_CLASS_CIcon, "tk_CIcon"},
    {tk_CLASS_CDAS, "tk_CDAS"},
    {tk_CLASS_CDS, "tk_CDS"},
    {tk_CLASS_CTlac, "tk_CTlac"},
    {tk_CLASS_CPosuv, "tk_CPosuv"},
    {tk_CLASS_CDPrep, "tk_CDPrep"},
    {tk_CLASS_CDEDB, "tk_CDEDB"},
    {tk_CLASS_CPolIcon, "tk_CPolIcon"},
    {tk_CLASS_CLabel, "tk_CLabel"},
    {tk_CLASS_CDUI, "tk_CDUI"},
    {tk_CLASS_CDUIR, "tk_CDUIR"},
    {tk_CLASS_UTL_CDUIR_THMFILE, "tk_UTL_CDUIR_THMFILE"},
    {tk_CLASS_UTL_CDUIR_DIR, "tk_UTL_CDUIR_DIR"},
    {tk_CLASS_CDDialog_EFEKT, "tk_CDDialog_EFEKT"},
    {tk_CLASS_CDDialog, "tk_CDDialog"},
    {tk_CLASS_CFoliaText, "tk_CFoliaText"},
    {tk_CLASS_CFoliaFaz, "tk_CFoliaFaz"},
    {tk_CLASS_CFoliaIcon, "tk_CFoliaIcon"},
    {tk_CLASS_CFoliaDekor, "tk_CFoliaDekor"},
    {tk_CLASS_CUHSPol, "tk_CUHSPol"},
    {tk_CLASS_CPolCHLO, "tk_CPolCHLO"},
    {tk_CLASS_CAppScreen, "tk_CAppScreen"},
    {tk_CLASS_CScrollBar, "tk_CScrollBar"},
};

const char* tk_glob_GetClassName(int id) {
    for (const tk_TClassRow& row : tk_class_table) {
        if (row.id == id) return row.name;
    }
    return "?";
}
