// The demonstration program of the Tessalin framework: an application screen with a background
// colour and the framework's logo, and nothing else. A new program starts from here: derive a
// class from tk_CAppScreen, build its elements in Init, draw in Redraw_Screen.
#pragma once

#include "framework/app/tk_APP_Options.h"
#include "framework/app/tk_CAppScreen.h"

// The settings file the demo reads and writes in its working folder.
inline constexpr const char* kTessalinDemoSettings = "tessalin_demo.ini";
// The background: a deep blue, RGB(32, 64, 112), as a raw 5-6-5 pixel value.
inline constexpr int kTessalinDemoBackColour = ((32 >> 3) << 11) | ((64 >> 2) << 5) | (112 >> 3);

// Gives the demo's application screen its background and its texts for the info dialog.
inline void tk_demo_Configure(tk_CAppScreen* app) {
    app->SetBackground(kTessalinDemoBackColour, "", true);
    app->SetAppInfo("Tessalin demo", "(verzia: 1.0)", "tessalin", nullptr, 0, 0);
}
