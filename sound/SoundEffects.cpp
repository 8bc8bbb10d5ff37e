#include "sound/SoundEffects.h"

#include "foundation/ErrorLog.h"
#include "platform/AudioDevice.h"

#include <algorithm>
#include <cstring>
#include <new>

cVector<DSSOUNDDATA> SeList;
cVector<DSSOUNDINFO> SeFileList;

namespace {

LPDIRECTSOUND lpDS = nullptr;
LPDIRECTSOUNDBUFFER lpDSPrimary = nullptr;
HWND hSoundWnd = nullptr;
std::vector<DSSOUNDDATA>* lpKeptList = nullptr;
std::int32_t nKeptVolume = 0;

const std::int32_t kVolumeTable[] = {-10000, -3000, -2000, -1300, -800, -500, -300, -150, -80, -30, 0};

void CopyName(char (&to)[kSoundNameSize], const char* from) {
    std::memset(to, 0, sizeof to);
    if (from) std::strncpy(to, from, sizeof to - 1);
}

} // namespace

std::int32_t SoundVolumeForLevel(int level) {
    return kVolumeTable[std::clamp(level, 0, 10)];
}

bool DS_Init(HWND window, DWORD samplesPerSec, WORD bitsPerSample, WORD channels) {
    if (DirectSoundCreate(nullptr, &lpDS, nullptr) != DS_OK) {
        LogError("DIRECTSOUNDCREATE_ERR!");
        std::string why;
        OpenAudioDevice(why);
        ReportPrintf("Sound : no audio device, sound off (%s)", why.c_str());
        return false;
    }
    if (lpDS->SetCooperativeLevel(window, DSSCL_PRIORITY) != DS_OK) {
        LogError("SETCOOPERATIVELEVEL_ERR!");
        SafeRelease(lpDS);
        return false;
    }
    DSBUFFERDESC desc;
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
    if (lpDS->CreateSoundBuffer(&desc, &lpDSPrimary, nullptr) != DS_OK) {
        LogError("CREATESOUNDBUFFER_ERR!");
        SafeRelease(lpDS);
        return false;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = samplesPerSec;
    format.wBitsPerSample = bitsPerSample;
    format.nBlockAlign = static_cast<WORD>(bitsPerSample / 8 * channels);
    format.nAvgBytesPerSec = format.nBlockAlign * samplesPerSec;
    lpDSPrimary->SetFormat(&format);
    hSoundWnd = window;
    lpKeptList = nullptr;
    nKeptVolume = 0;
    return true;
}

bool DS_IsRunning() {
    return lpDS != nullptr;
}

int DS_CreateSoundList(std::vector<DSSOUNDDATA>& sounds, const std::vector<DSSOUNDINFO>& infos,
                       std::int32_t volume) {
    lpKeptList = &sounds;
    nKeptVolume = volume;
    // A request list shorter than the sounds leaves the rest uncreated.
    const std::size_t count = std::min(sounds.size(), infos.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (!sounds[i].Copies.empty()) continue;
        const DSSOUNDINFO& info = infos[i];
        DS_CreateSound(sounds[i], info.szFileName, info.nCopies, volume != 0 ? volume : info.nVolume);
    }
    return 1;
}

bool DS_CreateSound(DSSOUNDDATA& sound, const char* fileName, std::int32_t copies, std::int32_t volume) {
    if (!lpDS) return true;
    DS_ReleaseSound(sound);
    sound = DSSOUNDDATA{};
    // A sound is whole or absent: whatever was made before a failure is released.
    std::vector<LPDIRECTSOUNDBUFFER> made;
    try {
        made.assign(static_cast<std::size_t>(std::max(copies, 1)), nullptr);
    } catch (const std::bad_alloc&) {
        LogError(FormatString(1024, "%sのメモリ確保失敗！", fileName));
        return false;
    }
    auto releaseMade = [&made] {
        for (auto it = made.rbegin(); it != made.rend(); ++it) SafeRelease(*it);
    };
    if (!DS_LoadSoundBuffer(&made[0], fileName)) {
        releaseMade();
        return false;
    }
    for (std::size_t i = 1; i < made.size(); ++i) {
        if (!DS_DuplicateBuffer(&made[i], made[0])) {
            LogError(FormatString(1024, "%sのメモリ共用バッファの生成失敗！", fileName));
            releaseMade();
            return false;
        }
    }
    sound.Copies = std::move(made);
    sound.nCopies = static_cast<std::int32_t>(sound.Copies.size());
    CopyName(sound.szFileName, fileName);
    if (volume != 0) {
        for (std::int32_t i = 0; i < sound.nCopies; ++i) DS_SetVolume(sound, i, volume, 0);
    }
    return true;
}

bool DS_LoadSoundBuffer(LPDIRECTSOUNDBUFFER* out, const char* fileName) {
    if (!lpDS) return true;
    DSWAVE wave;
    if (!DS_ReadWave(fileName, wave)) {
        ReportError("%s の読み込みに失敗しました！", fileName);
        return false;
    }
    DSBUFFERDESC desc;
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_GETCURRENTPOSITION2 | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN |
                   DSBCAPS_CTRLFREQUENCY | DSBCAPS_STATIC;
    desc.dwBufferBytes = static_cast<DWORD>(wave.Samples.size());
    desc.lpwfxFormat = &wave.Format;
    if (lpDS->CreateSoundBuffer(&desc, out, nullptr) != DS_OK) {
        LogError(FormatString(1024, "%s生成失敗！", fileName));
        return false;
    }
    void* memory = nullptr;
    DWORD bytes = 0;
    if ((*out)->Lock(0, 0, &memory, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER) == DS_OK) {
        std::memcpy(memory, wave.Samples.data(), std::min<std::size_t>(bytes, wave.Samples.size()));
        (*out)->Unlock(memory, bytes, nullptr, 0);
    }
    DS_FreeWave(wave);
    return true;
}

bool DS_DuplicateBuffer(LPDIRECTSOUNDBUFFER* out, LPDIRECTSOUNDBUFFER source) {
    if (!lpDS) return true;
    return lpDS->DuplicateSoundBuffer(source, out) == DS_OK;
}

void DS_Play(DSSOUNDDATA& sound, DWORD flags) {
    if (!lpDS || sound.Copies.empty()) return;
    if (sound.nNextCopy < 0 || sound.nNextCopy >= sound.nCopies) sound.nNextCopy = 0;
    LPDIRECTSOUNDBUFFER copy = sound.Copies[static_cast<std::size_t>(sound.nNextCopy)];
    if (!copy) return;
    copy->Stop();
    copy->SetCurrentPosition(0);
    copy->Play(0, 0, flags);
    if (++sound.nNextCopy >= sound.nCopies) sound.nNextCopy = 0;
}

int DS_SetVolume(DSSOUNDDATA& sound, std::int32_t copy, std::int32_t volume, int relative) {
    if (!lpDS || copy < 0 || copy >= sound.nCopies || !sound.Copies[static_cast<std::size_t>(copy)]) return 0;
    if (relative == 1) volume += DS_GetVolume(sound, copy);
    volume = std::clamp(volume, kVolumeMin, kVolumeMax);
    sound.Copies[static_cast<std::size_t>(copy)]->SetVolume(volume);
    return volume;
}

int DS_GetVolume(const DSSOUNDDATA& sound, std::int32_t copy) {
    if (!lpDS || copy < 0 || copy >= sound.nCopies || !sound.Copies[static_cast<std::size_t>(copy)]) return 0;
    LONG volume = 0;
    sound.Copies[static_cast<std::size_t>(copy)]->GetVolume(&volume);
    return volume;
}

void DS_ReleaseSound(DSSOUNDDATA& sound) {
    if (!lpDS || sound.Copies.empty()) return;
    for (std::size_t i = sound.Copies.size(); i-- > 1;) SafeRelease(sound.Copies[i]);
    SafeRelease(sound.Copies[0]);
    sound.Copies.clear();
    sound.nCopies = 0;
    sound.nNextCopy = 0;
}

void DS_Release() {
    if (!lpDS) return;
    if (lpKeptList) {
        for (DSSOUNDDATA& sound : *lpKeptList) DS_ReleaseSound(sound);
    }
    lpKeptList = nullptr;
    SafeRelease(lpDSPrimary);
    SafeRelease(lpDS);
}
