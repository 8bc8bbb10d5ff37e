#include "app/SoundMessages.h"

#include "app/Game.h"

#include "foundation/ErrorLog.h"
#include "foundation/Fault.h"
#include "platform/AudioDevice.h"
#include "platform/MidiSynth.h"
#include "project/Database.h"
#include "project/OptionData.h"
#include "project/SystemData.h"
#include "sound/BgmPlayer.h"
#include "sound/SoundEffects.h"
#include "sound/SoundRequests.h"

#include <algorithm>
#include <cstring>

namespace {

// Copies of each sound, started in turn, so that a sound can overlap itself.
constexpr std::int32_t kSoundCopies = 4;

void SetName(char (&to)[kSoundNameSize], const std::string& from) {
    std::memset(to, 0, sizeof to);
    std::strncpy(to, from.c_str(), sizeof to - 1);
}

// The system sounds 0-16, then the Sound database's entries from 1.
void BuildSoundLists() {
    const std::size_t records = std::max<std::size_t>(Database.Sound.size(), 1);
    const std::size_t count = records + kFirstDatabaseSound;
    for (DSSOUNDDATA& sound : SeList) DS_ReleaseSound(sound);
    SeList.assign(count, DSSOUNDDATA{});
    SeFileList.assign(count, DSSOUNDINFO{});
    for (std::size_t i = 0; i < count; ++i) {
        DSSOUNDINFO& info = SeFileList[i];
        if (i <= static_cast<std::size_t>(kFirstDatabaseSound)) {
            if (i < SystemData.SystemSounds.size()) SetName(info.szFileName, SystemData.SystemSounds[i]);
        } else {
            SetName(info.szFileName, Database.Sound[i - kFirstDatabaseSound].strFile);
        }
        info.nCopies = kSoundCopies;
        info.nFlag = 1;
    }
}

// Registers music record n in the slot and plays it.
void PlayMusicRecord(int slot, int music, int loop) {
    if (music == 0) {
        BgmPlayer.Stop();
        return;
    }
    if (music < 0 || static_cast<std::size_t>(music) >= Database.Bgm.size()) {
        ReportPrintf("Bgm : music %d is not in the list (%zu); the music stops", music, Database.Bgm.size());
        BgmPlayer.Stop();
        return;
    }
    const cBgm& record = Database.Bgm[static_cast<std::size_t>(music)];
    BgmPlayer.SetSlot(slot, record.strFile.c_str(), record.nTrackValue);
    BgmPlayer.Play(0, slot, loop, 0, 1);
}

} // namespace

LRESULT OnPlaySoundRequest(WPARAM n) {
    if (n >= SeList.size()) {
        ReportPrintf("Sound : sound %zu is not in the list (%zu)", static_cast<std::size_t>(n),
                     SeList.size());
        return 0;
    }
    DS_Play(SeList[n], 0);
    return 0;
}

LRESULT OnMusicRequest(WPARAM slot, LPARAM music) {
    if (slot < kScreenMusicCount) {
        const std::int32_t number = slot < SystemData.ScreenMusic.size() ? SystemData.ScreenMusic[slot] : 0;
        const int loop = slot < SystemData.ScreenMusicFlags.size() ? SystemData.ScreenMusicFlags[slot] : 0;
        PlayMusicRecord(static_cast<int>(slot), number, loop);
    } else if (slot == kStageMusicSlot) {
        PlayMusicRecord(kStageMusicSlot, static_cast<int>(music), nStageBgmLoop.load());
    }
    return 0;
}

void StartSoundAndMusic() {
    if (OptionData.bMusic) BgmPlayer.Init(1, BgmSlotOgg, BgmSlotMidi, kBgmSlotCount);
    BuildSoundLists();
    if (!DS_Init(hMainWnd.load(), 22050, 8, 1)) {
        // Without sound the game still plays: the layer stays off and every sound is silent.
        LogError("DS_Init失敗！");
        return;
    }
    ErrorLogPrintf("DSCreate");
    DS_CreateSoundList(SeList, SeFileList, SoundVolumeForLevel(OptionData.nVolume));
}

void StopSoundAndMusic() {
    DS_Release();
    BgmPlayer.Release();
    // A SoundFont load begun at the start that the music never took (the music
    // is off, or the start ended before it) ends with its thread here.
    DiscardMidiSynthLoad();
    SeList.clear();
    SeFileList.clear();
    CloseAudioDevice();
}

void ApplySoundVolume(int level) {
    const std::int32_t volume = SoundVolumeForLevel(level);
    for (DSSOUNDDATA& sound : SeList)
        for (std::int32_t copy = 0; copy < sound.nCopies; ++copy) DS_SetVolume(sound, copy, volume, 0);
}

void ApplyMusicSwitch() {
    const bool running = BgmPlayer.IsInitialised();
    if (!running && OptionData.bMusic) {
        BgmPlayer.Release();
        BgmPlayer.Init(1, BgmSlotOgg, BgmSlotMidi, kBgmSlotCount);
        Game.nRequestedBgm = 0;
    } else if (running && !OptionData.bMusic) {
        BgmPlayer.Release();
        Game.nRequestedBgm = 0;
    }
}
