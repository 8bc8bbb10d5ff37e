// Sound effects: short PCM wave files played on the DirectSound-like face.
// Every sound owns several copies of its buffer, started in turn, so that a
// sound can overlap itself. The layer is used by the UI thread only; while it
// is off (no sound object) every operation does nothing and reports success.
#pragma once

#include "foundation/Containers.h"
#include "platform/DirectSound.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr std::size_t kSoundNameSize = 260;

// One sound effect: its file name and its buffer copies. Copy 0 is loaded from
// the file; the others share its sample memory.
struct DSSOUNDDATA {
    char szFileName[kSoundNameSize] = {};
    std::vector<LPDIRECTSOUNDBUFFER> Copies; // empty: not created (or failed)
    std::int32_t nCopies = 0;
    std::int32_t nNextCopy = 0;
    std::int32_t nReserved[3] = {};
};

// One requested sound effect.
struct DSSOUNDINFO {
    char szFileName[kSoundNameSize] = {};
    std::int32_t nCopies = 1;
    std::int32_t nVolume = 0; // hundredths of a decibel; 0 keeps the created volume
    std::int32_t nFlag = 0;   // set by the initialisation; not read here
};

// A wave file in memory: its format block and its sample bytes.
struct DSWAVE {
    WAVEFORMATEX Format = {};
    std::vector<std::uint8_t> Samples;
};

// The sound-effect list, indexed by sound number, and its requests (filled at start-up).
extern cVector<DSSOUNDDATA> SeList;
extern cVector<DSSOUNDINFO> SeFileList;

// The list volume that the user's sound-effect volume level 0..10 selects.
std::int32_t SoundVolumeForLevel(int level);

bool DS_Init(HWND window, DWORD samplesPerSec, WORD bitsPerSample, WORD channels);
bool DS_IsRunning();
int DS_CreateSoundList(std::vector<DSSOUNDDATA>& sounds, const std::vector<DSSOUNDINFO>& infos,
                       std::int32_t volume);
bool DS_CreateSound(DSSOUNDDATA& sound, const char* fileName, std::int32_t copies, std::int32_t volume);
bool DS_LoadSoundBuffer(LPDIRECTSOUNDBUFFER* out, const char* fileName);
bool DS_DuplicateBuffer(LPDIRECTSOUNDBUFFER* out, LPDIRECTSOUNDBUFFER source);
void DS_Play(DSSOUNDDATA& sound, DWORD flags);
// `relative` 1 adds the volume to the copy's current one. Returns the volume set.
int DS_SetVolume(DSSOUNDDATA& sound, std::int32_t copy, std::int32_t volume, int relative);
int DS_GetVolume(const DSSOUNDDATA& sound, std::int32_t copy);
void DS_ReleaseSound(DSSOUNDDATA& sound);
void DS_Release();

// Reading a wave file: the RIFF "WAVE" form, its "fmt " chunk (PCM, at most 18
// bytes) and its "data" chunk. Refusals are reported naming the file; a file
// that is missing, or lacks a chunk, fails silently.
bool DS_ReadWave(const char* fileName, DSWAVE& wave);
// The same on bytes in memory; `fileName` only names the file in the reports.
bool DS_ReadWaveBytes(const char* fileName, std::vector<std::uint8_t> bytes, DSWAVE& wave);
void DS_FreeWave(DSWAVE& wave);
