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
#include "framework/graphics/tk_Draw.h"
#include "game/kartola_app.h"
#include "game/kartola_home.h"
#include "game/kartola_lock.h"
#include "game/kartola_version.h"

namespace {

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

// True when another copy of the game already plays in the working folder: it is said on standard
// error and in a message box, and nothing of the folder (log, settings, thumbnails) is touched.
bool anotherCopyPlaysHere() {
    std::error_code ec;
    const std::string folder = std::filesystem::current_path(ec).string();
    if (ec) return false;
    std::string problem;
    switch (LockFolder(folder, &problem)) {
        case FolderLock::Taken:
            return false;
        case FolderLock::Unavailable:
            std::fprintf(stderr, "kartola: %s; a second copy in this folder would not be noticed\n",
                         problem.c_str());
            return false;
        case FolderLock::HeldByAnother:
            break;
    }
    const std::string text = "Kartola is already running in " + folder + "; this copy ends.";
    MessageBoxA(nullptr, text.c_str(), "Kartola", MB_OK | MB_ICONINFORMATION);
    return true;
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
    const std::string text = KartolaAbout(!bundled.empty(), user) +
                             "\n\nPlaying with one switch: --scan moves the focus to the next card every "
                             "1.5 s\n(--scan=MS: every MS milliseconds); Space, Enter or a click takes and "
                             "places the card.";
    const int early = tk_APP_CommandLine(argc, argv, "kartola", text.c_str(), "[--scan[=MS]]");
    if (early >= 0) return early;
    if (!bundled.empty()) enterUserFolder(bundled, user);
    if (anotherCopyPlaysHere()) return 0;
    tk_KM_Install();
    auto* app = new CKartolaApp(nullptr, SW_SHOW, kKartolaSettings);
    app->scan_ms = scan;
    app->SetBackground(-1, "", false);
    app->SetAppInfo(kKartolaTitle, kKartolaVersion, kKartolaAuthor, &app->game_sheet, kKartolaIconX,
                    kKartolaIconY);
    const int status = app->Execute();
    delete app;
    // The shared pens and brushes outlive every screen; they go last.
    tk_glob_GDI_Release();
    if (status != 0) std::fprintf(stderr, "kartola: the display could not be set up (see tk_LOG.txt)\n");
    return status;
}
