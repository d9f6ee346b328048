// The settings file of an application screen: two text lines, the screen size ("%i %i\n") and
// the redraw timer's level and period ("%i %i", no newline). Reading never trusts the file: a
// line whose two numbers do not both scan, do not fit an int or make no sense leaves the values
// that were there.
#pragma once

struct tk_TAppSettings {
    int screen_w;
    int screen_h;
    // Redraw timer level (1 to 10) and period in milliseconds.
    int level;
    int period;
};

// Reads the file over *s. False (and *s untouched) when it cannot be opened or is no plain file.
// When it opens, the timer values first fall back to level 2 and 16 ms, then each line that scans
// (level 1 to 10, period 1 to 400 ms) replaces its pair.
bool tk_APP_ReadSettings(const char* path, tk_TAppSettings* s);
// Replaces the file with the two lines; false (logged, old file kept) when it cannot be written.
bool tk_APP_WriteSettings(const char* path, const tk_TAppSettings& s);
