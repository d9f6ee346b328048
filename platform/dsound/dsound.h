// DirectSound: the sound device and static sound buffers, mixed in software.
//
// Every buffer keeps the bytes the caller wrote in its own PCM format and, from each final
// Unlock on, a copy converted once to the device format (16-bit stereo at the device rate);
// the mixer sums the playing buffers. Without a sound device DirectSoundCreate fails with
// DSERR_NODRIVER and the program runs silent.
#pragma once

#include "platform/base/wintypes.h"

// ---- wave format -------------------------------------------------------------------------------
constexpr WORD WAVE_FORMAT_PCM = 1;

// Byte-packed, 18 bytes, as in a WAV file's "fmt " chunk. For PCM only the first 16 bytes are
// read: cbSize is never looked at, so a 16-byte "fmt " chunk can be passed as it stands.
#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);
using LPWAVEFORMATEX = WAVEFORMATEX*;
using LPCWAVEFORMATEX = const WAVEFORMATEX*;

// ---- result codes ------------------------------------------------------------------------------
constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DSERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110u);
constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);
constexpr HRESULT DSERR_BUFFERLOST = static_cast<HRESULT>(0x88780096u);

// ---- flags -------------------------------------------------------------------------------------
constexpr DWORD DSSCL_NORMAL = 0x00000001;

constexpr DWORD DSBCAPS_STATIC = 0x00000002;
constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x00000020;
constexpr DWORD DSBCAPS_CTRLPAN = 0x00000040;
constexpr DWORD DSBCAPS_CTRLVOLUME = 0x00000080;

constexpr DWORD DSBSTATUS_PLAYING = 0x00000001;
constexpr DWORD DSBSTATUS_BUFFERLOST = 0x00000002;

constexpr DWORD DSBSIZE_MIN = 4;
constexpr DWORD DSBSIZE_MAX = 0x0FFFFFFF;

// ---- buffer description ------------------------------------------------------------------------
// dwSize is sizeof(DSBUFFERDESC), or 20: the size this description has on 32-bit Windows.
struct DSBUFFERDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    LPWAVEFORMATEX lpwfxFormat;
};
using LPDSBUFFERDESC = DSBUFFERDESC*;
using LPCDSBUFFERDESC = const DSBUFFERDESC*;

// ---- interfaces --------------------------------------------------------------------------------
// A secondary sound buffer. Positions and sizes are bytes of the buffer's own format. A Lock
// running past the end gives a second part at the start (cut at the end when no second pointer
// is given). Play while playing keeps the current position; SetCurrentPosition(0) first restarts
// from the start. A one-shot sound that reaches its end stops and goes back to position 0.
struct IDirectSoundBuffer {
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT GetStatus(LPDWORD pdwStatus) = 0;
    virtual HRESULT Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1, LPDWORD pdwAudioBytes1,
                         LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2, DWORD dwFlags) = 0;
    virtual HRESULT Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) = 0;
    virtual HRESULT SetCurrentPosition(DWORD dwNewPosition) = 0;
    virtual HRESULT Stop() = 0;
    virtual HRESULT Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                           DWORD dwAudioBytes2) = 0;
    virtual HRESULT Restore() = 0;

  protected:
    virtual ~IDirectSoundBuffer() = default;
};
using LPDIRECTSOUNDBUFFER = IDirectSoundBuffer*;

// The sound device. Buffers keep the output open until they are released, even after the
// device object itself was released.
struct IDirectSound {
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;
    virtual HRESULT CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc, LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                      LPUNKNOWN pUnkOuter) = 0;
    virtual HRESULT SetCooperativeLevel(HWND hwnd, DWORD dwLevel) = 0;

  protected:
    virtual ~IDirectSound() = default;
};
using LPDIRECTSOUND = IDirectSound*;

// Opens the default sound output (pcGuidDevice null). DSERR_NODRIVER when there is none.
HRESULT DirectSoundCreate(LPCGUID pcGuidDevice, LPDIRECTSOUND* ppDS, LPUNKNOWN pUnkOuter);
