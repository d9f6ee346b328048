// tessalin_demo: the framework's demonstration program (see tessalin_demo.h).
#include <cstdio>

#include "framework/demo/tessalin_demo.h"
#include "framework/editor/tk_KM.h"
#include "framework/graphics/tk_Draw.h"

int main(int argc, char** argv) {
    const int early =
        tk_APP_CommandLine(argc, argv, "tessalin_demo",
                           "The Tessalin 2D framework's demonstration: an empty application screen.");
    if (early >= 0) return early;
    // Ctrl or Shift + F1 switches the layout editor on.
    tk_KM_Install();
    auto* app = new tk_CAppScreen(nullptr, SW_SHOW, kTessalinDemoSettings);
    tk_demo_Configure(app);
    const int status = app->Execute();
    delete app;
    // The shared pens and brushes outlive every screen; they go last.
    tk_glob_GDI_Release();
    if (status != 0)
        std::fprintf(stderr, "tessalin_demo: the display could not be set up (see tk_LOG.txt)\n");
    return status;
}
