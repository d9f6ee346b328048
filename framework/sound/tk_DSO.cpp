#define TK_MODULE "TK_DSO_w"
#include "framework/sound/tk_DSO.h"

#include "framework/support/tk_LOG.h"

IDirectSound* tk_lpDS = nullptr;
bool tk_DSO_on = true;

namespace {

// The sound library's own error lines: in the log, not on the console.
void logLibraryMessage(const char* line) {
    TK_LOG(line);
}

}  // namespace

int tk_DSO_INIT(HWND window) {
    if (tk_lpDS) return 1;
    tkp::kernel::SetLibraryMessageSink(logLibraryMessage);
    if (DirectSoundCreate(nullptr, &tk_lpDS, nullptr) != DS_OK) {
        tk_lpDS = nullptr;
        TK_LOG_ERR("tk_DSO_INIT - CHYBA pri DirectSoundCreate, zvuky nebudu");
        return 0;
    }
    if (tk_lpDS->SetCooperativeLevel(window, DSSCL_NORMAL) != DS_OK) {
        TK_LOG_ERR("tk_DSO_INIT - CHYBA pri SetCooperativeLevel, zvuky nebudu");
        tk_DSO_DONE();
        return 0;
    }
    return 1;
}

int tk_DSO_DONE() {
    if (tk_lpDS) {
        tk_lpDS->Release();
        tk_lpDS = nullptr;
    }
    return 1;
}
