// WAV images in memory (from a resource or a whole file) and the static DirectSound buffers
// made from them.
#pragma once

#include "platform/platform.h"

// Finds the format and the samples of a RIFF WAVE image of imageSize bytes, reading nothing
// outside it. Each out-pointer may be null (not wanted); each wanted one starts cleared. The
// format is copied into the caller's record (cbSize 0); data points into the image. Accepted
// only with a playable PCM format and at least one whole block of samples: a data chunk that
// runs past the end is cut to what is there, and the data always ends on a whole block. Asked
// for the format alone, the parse ends with success at the first good format chunk.
// 1 on success; 0 otherwise, with a short reason in *reason when that is given.
int DSParseWaveResource(const void* image, DWORD imageSize, WAVEFORMATEX* format, const BYTE** data,
                        DWORD* size, const char** reason = nullptr);

// The WAV resource of the program with this name (type "WAV", any case). The image stays in
// the module. 1 on success; a resource that exists but is no playable WAV is logged.
int DSGetWave_RES(const char* name, WAVEFORMATEX* format, const BYTE** data, DWORD* size);
// Reads the WAV file whole into *buffer (new[], the caller delete[]s it after use) and parses
// it; a file of another kind that libsndfile reads (OGG, MP3, FLAC) becomes a WAV image of
// 16-bit PCM first. 1 on success; on failure a DSLOG line, *buffer null and 0.
int DSGetWave_FILE_qr(BYTE** buffer, const char* name, WAVEFORMATEX* format, const BYTE** data, DWORD* size);

// A new static buffer holding the WAV's samples, or null (failures are logged).
IDirectSoundBuffer* DSLoadSoundBuffer_RES(IDirectSound* ds, const char* name);
IDirectSoundBuffer* DSLoadSoundBuffer_FILE_qr(IDirectSound* ds, const char* name);
// Restores a lost buffer and writes the WAV's samples into it again. 1 on success.
int DSReloadSoundBuffer_RES(IDirectSoundBuffer* buffer, const char* name);
int DSReloadSoundBuffer_FILE(IDirectSoundBuffer* buffer, const char* name);
// Writes size bytes of samples into the buffer from its start. 1 on success.
int DSFillBuffer(IDirectSoundBuffer* buffer, const BYTE* data, DWORD size);

// Appends " DSLOG: [function] [text] [number]" to the log file whatever the log switch says;
// when the file cannot be opened the line goes to the debugger output instead.
void DSLOG(const char* function, const char* text, int number);
