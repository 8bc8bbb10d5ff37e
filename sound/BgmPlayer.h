// The background-music manager: five music slots, each with an Ogg and a MIDI
// file name, played through the Ogg front or through MIDI (the MIDI library
// when its device opens, else the program's own players). One kind of music
// plays at a time. UI thread only; while not started every call does nothing.
#pragma once

#include "foundation/Containers.h"
#include "sound/Ggs4.h"
#include "sound/MidiPlayer.h"
#include "sound/Ogg.h"

#include <cstdint>
#include <vector>

constexpr int kBgmSlotCount = 5;
constexpr std::size_t kBgmNameSize = 260;

struct BGMSLOTOGG {
    char szFile[kBgmNameSize];
    std::int32_t nVolume;
};
struct BGMSLOTMIDI {
    char szFile[kBgmNameSize];
    std::int32_t nVolume;
};

// The five slots: title, world map, challenge, options, stage.
extern BGMSLOTOGG BgmSlotOgg[kBgmSlotCount];
extern BGMSLOTMIDI BgmSlotMidi[kBgmSlotCount];

class cBgmPlayer {
public:
    enum { SLOT_EITHER = 0, SLOT_OGG = 1, SLOT_MIDI = 2 };

    cBgmPlayer() = default;
    ~cBgmPlayer();
    cBgmPlayer(const cBgmPlayer&) = delete;
    cBgmPlayer& operator=(const cBgmPlayer&) = delete;

    int Init(int channels, BGMSLOTOGG* oggSlots, BGMSLOTMIDI* midiSlots, int slotCount);
    int SetChannelCount(int count);
    // 1 when the extension was "mid"/"MID" or "ogg"/"OGG".
    int SetSlot(int slot, const char* fileName, int volume);
    int Play(int channel, int slot, int loop, int unused, int force);
    void Stop();
    void Release();

    bool IsInitialised() const { return m_bInit != 0; }
    bool UsesMidiLibrary() const { return m_bGgs4 != 0; }
    int CurrentSlot() const { return m_nCurrentSlot; }
    int SlotType(int slot) const;
    cOgg& Ogg() { return m_Ogg; }
    cVector<cMidiPlayer*>& MidiPlayers() { return m_MidiPlayers; }

private:
    int PlayMidi(int channel, int slot, int loop);
    void StopMidi();

    std::int32_t m_bInit = 0;
    cOgg m_Ogg;
    BGMSLOTOGG* m_lpOggSlots = nullptr;
    std::int32_t m_bGgs4 = 0;
    cGGS4 m_Ggs4;
    cVector<cMidiPlayer*> m_MidiPlayers;
    int m_nChannels = 0;
    BGMSLOTMIDI* m_lpMidiSlots = nullptr;
    std::int32_t m_nCurrentSlot = -1;
    std::vector<std::int32_t> m_SlotTypes;
};

// The program's music manager.
extern cBgmPlayer BgmPlayer;
