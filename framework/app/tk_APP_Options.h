// The command line of a framework program: --help, and the window switch that runs the program in
// an ordinary window instead of covering the screen (also asked for with the environment variable
// TESSALIN_WINDOW), so that it can be used beside other programs.
#pragma once

#include <cstdio>

struct tk_TAppOptions {
    bool windowed = false;
    // The window's size; 0 x 0 for the default size.
    int window_w = 0;
    int window_h = 0;
};

// The window's size when none is given: 1024 x 768, or 800 x 600 on a smaller desktop, or the
// whole desktop when it is smaller than 800 x 600.
void tk_APP_DefaultWindowSize(int desktopW, int desktopH, int* w, int* h);

// Reads the arguments and the value of TESSALIN_WINDOW (null when unset) into *options; the
// command line wins over the variable. Returns -1 when the program should run, else the exit
// status: 0 after --help (the help went to out), 2 after a switch it does not know (err says which).
// own_switches, when given, are the switches the program takes itself (before this reads the rest),
// as the usage line shows them: "[--scan[=MS]]".
int tk_APP_ParseOptions(int argc, const char* const* argv, const char* environment, const char* program,
                        const char* about, tk_TAppOptions* options, std::FILE* out, std::FILE* err,
                        const char* own_switches = nullptr);

// The whole start of a program's entry point: reads the command line and TESSALIN_WINDOW and asks
// the platform for the window. Returns -1 when the program should run, else the exit status.
int tk_APP_CommandLine(int argc, char** argv, const char* program, const char* about,
                       const char* own_switches = nullptr);
