// Animation records of the Anime and AnimeSet databases: a named list of
// frames, and a named set of four animation slots with three cell offsets.
#pragma once

#include "foundation/SaveData.h"
#include "records/AnimeFrame.h"

#include <cstdint>
#include <string>

class cAnimeFrame : public cRecord<cAnimeFrame> {
public:
    std::int32_t nCell = 0;
    std::int32_t nWait = 1;        // tenths of a second; playback counts nWait * 6 ticks
    std::int32_t bNoInterrupt = 0; // non-zero: only a forced animation may replace this one

    cAnimeFrame() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};

class cAnime : public cRecord<cAnime> {
public:
    std::string strName;
    cVector<cAnimeFrame> Frames;
    // Stored from version 55; no table built here reads them.
    std::int16_t nSettingA = 0;
    std::uint8_t nSettingB = 1;
    std::int16_t nSettingC = 0;

    cAnime(); // one default frame
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

class cAnimeSet : public cRecord<cAnimeSet> {
public:
    static constexpr std::size_t kSlotCount = 4;

    std::string strName;
    std::int32_t nOffset1 = 4;
    std::int32_t nOffset2 = 8;
    std::int32_t nOffset3 = 0; // stored from version 119
    cVector<cAnime> Slots;     // stand, stand-and-move, fly, fly-and-move

    cAnimeSet(); // the default set, as Init makes it
    void Init();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

private:
    void FitSlots();
};

// One frame array per animation, each ending in its control entry: entry 0 (the
// "none" animation) loops without time, every other one ends with -4.
void BuildAnimeTable(const cVector<cAnime>& anime, AnimeFrameTableType& target);
