// Feeds arbitrary bytes to the settings reader as the settings file and checks what it takes:
// a screen size that is positive, a redraw level and period inside their ranges, and values that
// survive being written and read back unchanged.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/app/tk_APP_Settings.h"
#include "framework/support/tk_LOG.h"

namespace {

void require(bool ok) {
    if (!ok) std::abort();
}

bool same(const tk_TAppSettings& a, const tk_TAppSettings& b) {
    return a.screen_w == b.screen_w && a.screen_h == b.screen_h && a.level == b.level && a.period == b.period;
}

const char* kFile = "S.INI";

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Its own folder for the settings file and the log.
    char folder[] = "/tmp/settings_fuzz.XXXXXX";
    if (!::mkdtemp(folder) || ::chdir(folder) != 0) std::abort();
    tk_LOG_on = 0;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    std::FILE* f = std::fopen(kFile, "wb");
    require(f && std::fwrite(bytes, 1, size, f) == size && std::fclose(f) == 0);

    const tk_TAppSettings before{111, 222, 7, 77};
    tk_TAppSettings s = before;
    require(tk_APP_ReadSettings(kFile, &s));
    // The size is either kept or a plausible one; the timer values always come from the ranges.
    require((s.screen_w == before.screen_w && s.screen_h == before.screen_h) ||
            (s.screen_w > 0 && s.screen_h > 0));
    require(s.level >= 1 && s.level <= 10 && s.period > 0);

    // What was taken is written and read back as it was.
    require(tk_APP_WriteSettings(kFile, s));
    tk_TAppSettings again{1, 1, 1, 1};
    require(tk_APP_ReadSettings(kFile, &again) && same(again, s));
    return 0;
}
