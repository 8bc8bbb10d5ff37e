// The DirectSound-like face over the program's mixer: a sound object that
// makes buffers, buffers with volume, pan and frequency control, duplicates
// that share the sample memory of their source, and the primary buffer whose
// format the program sets. The mixer runs at its own rate whatever the
// primary format says; each buffer is resampled from its own frequency.
#pragma once

#include "platform/AudioMixer.h"
#include "platform/DirectDrawTypes.h"
#include "platform/Messages.h"
#include "platform/SurfaceRefCounted.h"

#include <cstdint>
#include <memory>

#pragma pack(push, 1)
// The format block of a wave file's "fmt " chunk.
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

constexpr WORD WAVE_FORMAT_PCM = 1;

struct DSBUFFERDESC {
    DWORD dwSize = 0;
    DWORD dwFlags = 0;
    DWORD dwBufferBytes = 0;
    DWORD dwReserved = 0;
    const WAVEFORMATEX* lpwfxFormat = nullptr;
};

constexpr HRESULT DS_OK = 0;
constexpr HRESULT DSERR_GENERIC = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT DSERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT DSERR_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
constexpr HRESULT DSERR_BADFORMAT = static_cast<HRESULT>(0x88780064u);
constexpr HRESULT DSERR_NODRIVER = static_cast<HRESULT>(0x88780078u);
constexpr HRESULT DSERR_INVALIDCALL = static_cast<HRESULT>(0x88780032u);

constexpr DWORD DSSCL_PRIORITY = 0x00000002;

constexpr DWORD DSBCAPS_PRIMARYBUFFER = 0x00000001;
constexpr DWORD DSBCAPS_STATIC = 0x00000002;
constexpr DWORD DSBCAPS_CTRLFREQUENCY = 0x00000020;
constexpr DWORD DSBCAPS_CTRLPAN = 0x00000040;
constexpr DWORD DSBCAPS_CTRLVOLUME = 0x00000080;
constexpr DWORD DSBCAPS_GETCURRENTPOSITION2 = 0x00010000;

constexpr DWORD DSBLOCK_ENTIREBUFFER = 0x00000002;
constexpr DWORD DSBPLAY_LOOPING = 0x00000001;
constexpr DWORD DSBSTATUS_PLAYING = 0x00000001;
constexpr DWORD DSBSTATUS_LOOPING = 0x00000004;

constexpr DWORD DSBFREQUENCY_MIN = 100;
constexpr DWORD DSBFREQUENCY_MAX = 200000;

class cDirectSoundBuffer : public cRefCounted {
public:
    HRESULT Play(DWORD reserved1, DWORD priority, DWORD flags);
    HRESULT Stop();
    HRESULT SetCurrentPosition(DWORD bytePosition);
    HRESULT GetCurrentPosition(DWORD* playBytes, DWORD* writeBytes);
    HRESULT GetStatus(DWORD* status);
    HRESULT SetVolume(LONG volume);
    HRESULT GetVolume(LONG* volume);
    HRESULT SetPan(LONG pan);
    HRESULT GetPan(LONG* pan);
    HRESULT SetFrequency(DWORD frequency); // 0 = the buffer's own format rate
    HRESULT GetFrequency(DWORD* frequency);
    HRESULT SetFormat(const WAVEFORMATEX* format); // primary buffer only
    HRESULT GetFormat(WAVEFORMATEX* format);
    // Static buffers: the whole memory in the first region, nothing in the second.
    HRESULT Lock(DWORD offset, DWORD bytes, void** first, DWORD* firstBytes, void** second,
                 DWORD* secondBytes, DWORD flags);
    HRESULT Unlock(void* first, DWORD firstBytes, void* second, DWORD secondBytes);

    bool IsPrimary() const { return primary_; }

private:
    friend class cDirectSound;
    cDirectSoundBuffer(cAudioMixer* mixer, DWORD flags, const WAVEFORMATEX& format,
                       std::shared_ptr<cVoice> voice);
    ~cDirectSoundBuffer() override;

    cAudioMixer* mixer_;
    DWORD flags_;
    WAVEFORMATEX format_;
    bool primary_;
    std::shared_ptr<cVoice> voice_; // null for the primary buffer
};

class cDirectSound : public cRefCounted {
public:
    explicit cDirectSound(cAudioMixer* mixer);
    HRESULT SetCooperativeLevel(HWND window, DWORD level);
    HRESULT CreateSoundBuffer(const DSBUFFERDESC* desc, cDirectSoundBuffer** out, void* outer);
    HRESULT DuplicateSoundBuffer(cDirectSoundBuffer* source, cDirectSoundBuffer** out);

private:
    cAudioMixer* mixer_;
};

using LPDIRECTSOUND = cDirectSound*;
using LPDIRECTSOUNDBUFFER = cDirectSoundBuffer*;

// Opens the audio device (AudioDevice.h) and makes the sound object over the
// program's mixer; DSERR_NODRIVER when no device can be opened.
HRESULT DirectSoundCreate(const void* device, cDirectSound** out, void* outer);
