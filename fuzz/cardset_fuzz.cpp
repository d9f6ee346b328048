// Loads a card set from a folder of fuzzed files, twice (the first load writes the thumbnails,
// the second reads them back), and checks the table: two cards a pair, no more pairs than
// thumbnails, and no temporary file left behind. The input is cut into files at each kSeparator;
// the pieces take the names of kNames in order, so pictures, thumbnails, sounds and the phase
// marker all get fuzzed bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "framework/graphics/tk_Display.h"
#include "framework/sound/tk_DSO.h"
#include "framework/support/tk_LOG.h"
#include "fuzz/cardset_input.h"
#include "game/kartola_sets.h"
#include "game/kartola_table.h"

namespace {

namespace fs = std::filesystem;

void require(bool ok) {
    if (!ok) std::abort();
}

const char* kFolder = "DATA_fuzz";

// The files in the folder and whether a temporary file of the writer is left there.
int filesIn(bool* leftover) {
    int n = 0;
    for (const auto& e : fs::directory_iterator(kFolder)) {
        const std::string name = e.path().filename();
        if (name.find(".tmp") != std::string::npos) *leftover = true;
        ++n;
    }
    return n;
}

void loadAndCheck() {
    const int pairs = NAHRAJ_DATA(kFolder);
    bool leftover = false;
    const int files = filesIn(&leftover);
    require(!leftover);
    // Every pair comes from a file of the folder: its thumbnail, or its picture when the thumbnail
    // had to go to the cache or stay in memory.
    require(pairs >= 0 && pairs <= files);
    require(REG_KARTY.count == 2 * pairs && REG_TEXT.count == pairs && REG_OBR.count == pairs);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char folder[] = "/tmp/cardset_fuzz.XXXXXX";
    if (!::mkdtemp(folder) || ::chdir(folder) != 0) std::abort();
    // Thumbnails that cannot lie beside their pictures go to a cache of the run's own.
    ::setenv("XDG_CACHE_HOME", (std::string(folder) + "/cache").c_str(), 1);
    if (DirectDrawCreate(nullptr, &tk_lpDD, nullptr) != DD_OK) std::abort();
    // The sound device wants a window: a hidden one of no class of its own.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "cardset_fuzz";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "cardset_fuzz", "", 0, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    if (!tk_DSO_INIT(window)) std::abort();
    tk_LOG_on = 1;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    fs::remove_all(kFolder);
    fs::create_directory(kFolder);
    cardset_input::ForEachFile(std::string_view(reinterpret_cast<const char*>(bytes), size),
                               [](const char* name, std::string_view body) {
                                   std::ofstream out(std::string(kFolder) + "/" + name, std::ios::binary);
                                   out.write(body.data(), std::streamsize(body.size()));
                                   require(bool(out));
                               });
    loadAndCheck();
    loadAndCheck();
    UVOLNI_REGISTRE();
    // The log of one input only.
    fs::remove("tk_LOG.txt");
    return 0;
}
