// The replay recorder: the player's direction and button words of one attempt
// as two run-length streams, and the random seed of the attempt. Recording
// appends one frame per main game frame; playback hands the frames back in
// the same order. A replay file holds the stage as the attempt began, the
// recorder and the play data as the attempt began.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>
#include <vector>

class cInput;
class cPlayData;
class cStage;

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

    // Appends this frame's direction and button words.
    void RecordFrame(const cInput& in);
    // Writes the next recorded frame's two words into `in` and returns 0; 1 at
    // the end of the recording (nothing written). A run of 0 frames plays as 1.
    std::uint32_t PlayFrame(cInput& in);
    bool IsEmpty() const { return m_vDirWord.empty(); }

    void RegisterFields(std::uint32_t version) override;
    // The record, then the four streams, each a u32 count and its elements.
    // A run table shorter than its word table is damage.
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    // The replay file: `stage`'s tables with the settings, map and layers of
    // `start` (the stage as the attempt began), this recorder, then
    // `playData`. 1 when the whole file reached the disk, else 0 (a file of
    // that name that was there before stays as it was).
    std::int32_t SaveFile(const std::string& path, cStage& stage, cStage& start, cPlayData& playData);
    // Reads a replay file: the stage into `stage` (and its settings into
    // `start`), the recording into this recorder and, from version 173 on, the
    // play data. 1 when read; 0 when the file can't be opened, is newer than
    // the program, is damaged or holds a stage without a hero: then nothing
    // of the four was changed.
    std::int32_t LoadFile(const std::string& path, cStage& stage, cStage& start, cPlayData& playData);
    // The same two over a whole file's bytes in memory (tests and fuzzing);
    // `name` stands for the path the stage keeps.
    std::vector<std::uint8_t> SaveFileBytes(cStage& stage, cStage& start, cPlayData& playData);
    std::int32_t LoadFileBytes(std::vector<std::uint8_t> bytes, const std::string& name, cStage& stage,
                               cStage& start, cPlayData& playData);

private:
    void WriteParts(cRecordFile& file, cStage& stage, cStage& start, cPlayData& playData);
    std::int32_t ReadParts(RecordFilePtr file, const std::string& path, cStage& stage, cStage& start,
                           cPlayData& playData);
};

// The first data version whose replay files store the play data.
constexpr std::uint32_t kReplayPlayDataVersion = 173;

extern cReplay Replay;     // the attempt in progress, or the replay being viewed
extern cReplay PrevReplay; // the attempt before it
