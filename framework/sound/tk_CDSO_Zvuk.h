// One sound: a static DirectSound buffer filled from a WAV resource of the program or a WAV file.
#pragma once

#include "platform/platform.h"

class tk_CDSO_Zvuk {
  public:
    tk_CDSO_Zvuk();
    virtual ~tk_CDSO_Zvuk();
    tk_CDSO_Zvuk(const tk_CDSO_Zvuk&) = delete;
    tk_CDSO_Zvuk& operator=(const tk_CDSO_Zvuk&) = delete;

    // Loads the WAV resource of that name (any case). The name is kept even when nothing
    // could be loaded (no sound device yet). 1 when a buffer is loaded.
    int NAHRAJ_RES(const char* name);
    // Loads the WAV file; its progress and failures are logged. 1 when a buffer is loaded.
    int NAHRAJ_FILE(const char* name);
    // The resource of that name, else the file. 1 when either loaded a buffer.
    int NAHRAJ(const char* name);
    // Plays the sound once from its start, restarting it if it is playing; a buffer the
    // system took away is restored and refilled first. 1 when it plays.
    int SPUSTI();
    // Releases the buffer.
    void ODSTRAN();

    // Resource name of the last NAHRAJ_RES, file name of the last NAHRAJ_FILE (heap copies).
    char* m_ResName;
    char* m_FileName;
    IDirectSoundBuffer* m_lpDSB;

  private:
    // Restores a lost buffer and writes its samples again from where they came. 1 on success.
    int Refill();

    // A restored buffer whose samples could not be written again: the next play retries the
    // refill instead of playing silence.
    bool m_NeedsRefill = false;
};
