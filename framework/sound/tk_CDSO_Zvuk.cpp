#define TK_MODULE "TK_DSO_w"
#include "framework/sound/tk_CDSO_Zvuk.h"

#include <cstdio>

#include "framework/sound/tk_DSO.h"
#include "framework/sound/tk_DSWave.h"
#include "framework/support/tk_LOG.h"
#include "framework/support/tk_String.h"

namespace {

// Replaces a kept heap string with a copy of text (null clears it).
void keep(char*& field, const char* text) {
    char* copy = tk_StrDup(text);
    delete[] field;
    field = copy;
}

// Logs a failed restore with the sound's name.
void logLost(const char* what, const char* name) {
    char detail[300];
    std::snprintf(detail, sizeof(detail), "tk_CDSO_Zvuk::SPUSTI - %s [%s]", what, name ? name : "");
    TK_LOG_ERR(detail);
}

// Rewinds the buffer and starts it once.
HRESULT playFromStart(IDirectSoundBuffer* buffer) {
    buffer->SetCurrentPosition(0);
    return buffer->Play(0, 0, 0);
}

}  // namespace

tk_CDSO_Zvuk::tk_CDSO_Zvuk() : m_ResName(nullptr), m_FileName(nullptr), m_lpDSB(nullptr) {}

tk_CDSO_Zvuk::~tk_CDSO_Zvuk() {
    if (m_lpDSB) ODSTRAN();
    delete[] m_ResName;
    delete[] m_FileName;
}

void tk_CDSO_Zvuk::ODSTRAN() {
    if (m_lpDSB) m_lpDSB->Release();
    m_lpDSB = nullptr;
    m_NeedsRefill = false;
}

// The name may be one of the object's own fields: it is copied before the other is cleared,
// and only the copy is used afterwards.
int tk_CDSO_Zvuk::NAHRAJ_RES(const char* name) {
    keep(m_ResName, name);
    keep(m_FileName, nullptr);
    ODSTRAN();
    if (tk_lpDS) m_lpDSB = DSLoadSoundBuffer_RES(tk_lpDS, m_ResName);
    return m_lpDSB ? 1 : 0;
}

int tk_CDSO_Zvuk::NAHRAJ_FILE(const char* name) {
    TK_LOG("NAHRAJ_FILE - BEG", name);
    keep(m_FileName, name);
    keep(m_ResName, nullptr);
    ODSTRAN();
    if (tk_lpDS) {
        m_lpDSB = DSLoadSoundBuffer_FILE_qr(tk_lpDS, m_FileName);
        if (!m_lpDSB) TK_LOG("NAHRAJ_FILE - CHYBA pri DSLoadSoundBuffer_FILE_qr!", m_FileName);
    }
    TK_LOG("NAHRAJ_FILE - END", m_FileName);
    return m_lpDSB ? 1 : 0;
}

int tk_CDSO_Zvuk::NAHRAJ(const char* name) {
    if (NAHRAJ_RES(name)) return 1;
    // NAHRAJ_RES kept its own copy of the name, which stays valid whatever name pointed to.
    return NAHRAJ_FILE(m_ResName);
}

int tk_CDSO_Zvuk::SPUSTI() {
    if (!tk_DSO_on || !tk_lpDS || !m_lpDSB) return 0;
    if (m_NeedsRefill && !Refill()) return 0;
    HRESULT hr = playFromStart(m_lpDSB);
    if (hr != DSERR_BUFFERLOST) return hr == DS_OK ? 1 : 0;
    if (!Refill()) return 0;
    return playFromStart(m_lpDSB) == DS_OK ? 1 : 0;
}

int tk_CDSO_Zvuk::Refill() {
    const char* name = m_ResName ? m_ResName : m_FileName;
    if (m_lpDSB->Restore() != DS_OK) {
        logLost("CHYBA pri Restore", name);
        return 0;
    }
    int filled = 0;
    if (m_ResName)
        filled = DSReloadSoundBuffer_RES(m_lpDSB, m_ResName);
    else if (m_FileName)
        filled = DSReloadSoundBuffer_FILE(m_lpDSB, m_FileName);
    m_NeedsRefill = !filled;
    if (!filled) logLost("CHYBA pri obnove zvuku", name);
    return filled;
}
