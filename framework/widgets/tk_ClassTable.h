// The class ids of the screen elements: one integer per element class, and its name.
#pragma once

// One row of the class table: the id and the class's name, zero-padded.
struct tk_TClassRow {
    int id;
    char name[24];
};

constexpr int tk_CLASS_TABLE_ROWS = 24;
extern const tk_TClassRow tk_class_table[tk_CLASS_TABLE_ROWS];

// The name of the first row with this id, or "?" for an id the table does not hold.
const char* tk_glob_GetClassName(int id);
