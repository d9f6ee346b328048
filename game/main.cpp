// Kartola: the command line, then the game's application screen runs until it is closed.
#include <cstdio>

#include "framework/app/tk_APP_Options.h"
#include "framework/editor/tk_KM.h"
#include "game/kartola_app.h"
#include "game/kartola_version.h"

int main(int argc, char** argv) {
    const int early = tk_APP_CommandLine(
        argc, argv, "kartola", "Kartola: a picture and name matching game. Drag each card onto its partner.");
    if (early >= 0) return early;
    tk_KM_Install();
    auto* app = new CKartolaApp(nullptr, SW_SHOW, kKartolaSettings);
    app->SetBackground(-1, "", false);
    app->SetAppInfo(kKartolaTitle, kKartolaVersion, kKartolaAuthor, &app->game_sheet, kKartolaIconX,
                    kKartolaIconY);
    const int status = app->Execute();
    delete app;
    if (status != 0) std::fprintf(stderr, "kartola: the display could not be set up (see tk_LOG.txt)\n");
    return status;
}
