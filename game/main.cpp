// Kartola: the command line, then the game's application screen runs until it is closed. An
// installed program plays from the user's own folder, which its first start fills with the
// bundled card sets; from the build tree it plays in its working folder.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "framework/app/tk_APP_Options.h"
#include "framework/editor/tk_KM.h"
#include "game/kartola_app.h"
#include "game/kartola_home.h"
#include "game/kartola_version.h"

namespace {

std::string about(bool installed, const std::string& user) {
    std::string text = "Kartola: a picture and name matching game. Drag each card onto its partner.\n\n";
    if (!installed)
        return text + "Card sets are the folders named DATA... in the parent of the working folder.";
    if (user.empty()) return text + "Neither XDG_DATA_HOME nor HOME names a folder for your card sets.";
    return text + "Your card sets are the folders named DATA... in\n  " + user +
           "\nAdd a set by putting such a folder of pictures there (each picture may have a sound of\n"
           "the same name). The bundled sets are copied there on the first start; the game plays\n"
           "from its folder " +
           kWorkFolderName + " inside, where it writes its log and settings.";
}

// Prepares the user's folder and makes its work folder the working folder; on a problem the game
// says so and plays where it was started.
void enterUserFolder(const std::string& bundled, const std::string& user) {
    std::string problems;
    const std::string work = user.empty() ? std::string() : PrepareUserFolder(bundled, user, &problems);
    if (!problems.empty()) std::fprintf(stderr, "kartola: %s", problems.c_str());
    if (work.empty() || chdir(work.c_str()) != 0)
        std::fprintf(stderr,
                     "kartola: no folder of your own for the card sets; playing in the current folder\n");
}

// Takes --scan (one-switch scanning, a step of 1.5 s) or --scan=MS out of the arguments; -1 when
// neither is given, so that the game's memory decides. A bad step is refused with a message.
int takeScanOption(int* argc, char** argv, bool* bad) {
    int scan = -1;
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        const std::string a = argv[i];
        if (a == "--scan") {
            scan = kScanStepMs;
        } else if (a.rfind("--scan=", 0) == 0) {
            char* end = nullptr;
            const long ms = std::strtol(a.c_str() + 7, &end, 10);
            if (*end != '\0' || ms < 300 || ms > 60000) {
                std::fprintf(stderr, "kartola: %s: the step must be 300 to 60000 milliseconds\n", a.c_str());
                *bad = true;
            }
            scan = static_cast<int>(ms);
        } else {
            argv[kept++] = argv[i];
        }
    }
    *argc = kept;
    return scan;
}

}  // namespace

int main(int argc, char** argv) {
    std::error_code ec;
    const std::string bundled =
        BundledSetsFolder(std::filesystem::read_symlink("/proc/self/exe", ec).string());
    const std::string user = UserSetsFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    bool badScan = false;
    const int scan = takeScanOption(&argc, argv, &badScan);
    if (badScan) return 2;
    const std::string text = about(!bundled.empty(), user) +
                             "\n\nPlaying with one switch: --scan moves the focus to the next card every "
                             "1.5 s\n(--scan=MS: every MS milliseconds); Space, Enter or a click takes and "
                             "places the card.";
    const int early = tk_APP_CommandLine(argc, argv, "kartola", text.c_str());
    if (early >= 0) return early;
    if (!bundled.empty()) enterUserFolder(bundled, user);
    tk_KM_Install();
    auto* app = new CKartolaApp(nullptr, SW_SHOW, kKartolaSettings);
    app->scan_ms = scan;
    app->SetBackground(-1, "", false);
    app->SetAppInfo(kKartolaTitle, kKartolaVersion, kKartolaAuthor, &app->game_sheet, kKartolaIconX,
                    kKartolaIconY);
    const int status = app->Execute();
    delete app;
    if (status != 0) std::fprintf(stderr, "kartola: the display could not be set up (see tk_LOG.txt)\n");
    return status;
}
