// The replay recorder: the player's direction and button words of one attempt
// as two run-length streams, and the random seed of the attempt. This is the
// stored part; recording and playback work on these members.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cReplay : public cRecord<cReplay> {
public:
    cVector<std::uint16_t> m_vDirWord; // direction word of each direction run
    cVector<std::uint16_t> m_vBtnWord; // button word of each button run
    cVector<std::uint32_t> m_vDirRun;  // frames of each direction run
    cVector<std::uint32_t> m_vBtnRun;  // frames of each button run
    std::uint32_t m_dwSeed = 0;        // the one registered field
    // Playback cursors; never stored and never copied.
    std::uint32_t m_nDirPos = 0;
    std::uint32_t m_nBtnPos = 0;
    std::int32_t m_nDirFrame = 0;
    std::int32_t m_nBtnFrame = 0;

    cReplay();
    cReplay(const cReplay& other);
    // Copies the seed and the four streams; the cursors stay as they were.
    cReplay& operator=(const cReplay& other);

    // Seed 0, the four streams empty, the cursors 0 (hides the base Reset).
    void Reset();
    void RewindPlayback();

    void RegisterFields(std::uint32_t version) override;
    // The record, then the four streams, each a u32 count and its elements.
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

extern cReplay Replay;     // the attempt in progress, or the replay being viewed
extern cReplay PrevReplay; // the attempt before it
