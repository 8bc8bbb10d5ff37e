#include "sound/BgmPlayer.h"

#include "foundation/FileNames.h"

#include <cstring>

BGMSLOTOGG BgmSlotOgg[kBgmSlotCount] = {{"bgm\\Title.ogg", 0},
                                        {"bgm\\WorldMap.ogg", 0},
                                        {"bgm\\Challenge.ogg", 0},
                                        {"bgm\\Option.ogg", 0},
                                        {"bgm\\Stage.ogg", 0}};
BGMSLOTMIDI BgmSlotMidi[kBgmSlotCount] = {{"bgm\\Title.mid", 0},
                                          {"bgm\\WorldMap.mid", 0},
                                          {"bgm\\Challenge.mid", 0},
                                          {"bgm\\Option.mid", 0},
                                          {"bgm\\Stage.mid", 0}};

cBgmPlayer BgmPlayer;

namespace {

void CopyName(char (&to)[kBgmNameSize], const char* from) {
    std::memset(to, 0, sizeof to);
    if (from) std::strncpy(to, from, sizeof to - 1);
}

} // namespace

cBgmPlayer::~cBgmPlayer() {
    Release();
}

int cBgmPlayer::Init(int channels, BGMSLOTOGG* oggSlots, BGMSLOTMIDI* midiSlots, int slotCount) {
    m_bInit = 1;
    if (m_Ggs4.Init()) {
        m_bGgs4 = 1;
    } else {
        m_bGgs4 = 0;
        m_MidiPlayers.clear();
    }
    if (!m_Ogg.Init()) {
        m_bInit = 0;
        return 0;
    }
    SetChannelCount(channels);
    m_lpOggSlots = oggSlots;
    m_lpMidiSlots = midiSlots;
    m_SlotTypes.assign(static_cast<std::size_t>(slotCount > 0 ? slotCount : 0), SLOT_EITHER);
    return 1;
}

int cBgmPlayer::SetChannelCount(int count) {
    if (!m_bInit) return 1;
    m_nChannels = count;
    if (!m_bGgs4) m_MidiPlayers.resize(static_cast<std::size_t>(count > 0 ? count : 0), nullptr);
    m_Ogg.CreatePlayers(count);
    return 1;
}

int cBgmPlayer::SlotType(int slot) const {
    if (slot < 0 || static_cast<std::size_t>(slot) >= m_SlotTypes.size()) return -1;
    return m_SlotTypes[static_cast<std::size_t>(slot)];
}

int cBgmPlayer::SetSlot(int slot, const char* fileName, int volume) {
    if (!m_bInit) return 1;
    // A slot outside the table is ignored: it has no names to set.
    if (SlotType(slot) < 0 || !fileName) return 0;
    BGMSLOTOGG& ogg = m_lpOggSlots[slot];
    BGMSLOTMIDI& midi = m_lpMidiSlots[slot];
    std::int32_t& type = m_SlotTypes[static_cast<std::size_t>(slot)];
    std::string extension;
    if (!GetExtension(extension, fileName)) {
        CopyName(ogg.szFile, "");
        CopyName(midi.szFile, "");
        type = SLOT_EITHER;
        ogg.nVolume = midi.nVolume = 0;
        return 0;
    }
    if (extension == "mid" || extension == "MID") {
        std::string name;
        ReplaceExtension(name, fileName, "mid");
        CopyName(midi.szFile, name.c_str());
        type = SLOT_MIDI;
        midi.nVolume = volume;
        return 1;
    }
    if (extension == "ogg" || extension == "OGG") {
        CopyName(ogg.szFile, fileName);
        type = SLOT_OGG;
        ogg.nVolume = volume;
        return 1;
    }
    CopyName(ogg.szFile, fileName);
    CopyName(midi.szFile, fileName);
    type = SLOT_EITHER;
    ogg.nVolume = midi.nVolume = volume;
    return 0;
}

int cBgmPlayer::PlayMidi(int channel, int slot, int loop) {
    const BGMSLOTMIDI& midi = m_lpMidiSlots[slot];
    if (m_bGgs4) {
        if (m_Ggs4.Play(channel, midi.szFile, loop, midi.nVolume)) return 1;
        if (GGS4_IsDeviceOpen()) return 0;
        // The library's SoundFont, still loading when the device opened, did
        // not load: MIDI goes on as when the device does not open at all.
        FreeGGS4();
        m_bGgs4 = 0;
        m_MidiPlayers.resize(static_cast<std::size_t>(m_nChannels > 0 ? m_nChannels : 0), nullptr);
    }
    return PlayMidiFile(m_MidiPlayers, channel, midi.szFile, loop);
}

void cBgmPlayer::StopMidi() {
    if (m_bGgs4)
        m_Ggs4.Stop(0);
    else
        StopMidiPlayers(m_MidiPlayers, 0);
}

int cBgmPlayer::Play(int channel, int slot, int loop, int, int force) {
    if (!m_bInit) return 1;
    if (slot == m_nCurrentSlot && !force) return 1;
    m_nCurrentSlot = slot;
    const int type = SlotType(slot);
    if (type == SLOT_EITHER || type == SLOT_OGG) {
        const BGMSLOTOGG& ogg = m_lpOggSlots[slot];
        if (m_Ogg.Play(channel, ogg.szFile, loop, ogg.nVolume)) {
            StopMidi();
            return 1;
        }
    }
    if (type == SLOT_EITHER || type == SLOT_MIDI) {
        if (PlayMidi(channel, slot, loop)) {
            m_Ogg.Stop();
            return 1;
        }
    }
    m_nCurrentSlot = -1;
    m_Ogg.Stop();
    StopMidi();
    return 0;
}

void cBgmPlayer::Stop() {
    if (!m_bInit) return;
    StopMidi();
    m_Ogg.Stop();
}

void cBgmPlayer::Release() {
    if (!m_bInit) return;
    m_Ogg.Release();
    if (m_bGgs4) {
        FreeGGS4();
        m_bInit = 0;
        return;
    }
    for (cMidiPlayer*& p : m_MidiPlayers) {
        delete p;
        p = nullptr;
    }
    m_MidiPlayers.clear();
    m_bInit = 0;
}
