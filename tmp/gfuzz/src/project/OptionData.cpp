#include "project/OptionData.h"

#include <algorithm>

cOptionData OptionData;

cOptionData::cOptionData() {
    RegisterFields(dwDataVersion);
    Reset();
    nPalette = 0;
    bMusic = 1;
    nVolume = 7;
    nRankingMode = 0;
    RankingName = "aaa";
}

void cOptionData::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nPalette);
    AddInt(&bMusic);
    AddInt(&nVolume);
    AddInt(&nRankingMode);
    AddString(&RankingName);
}

void cOptionData::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    nPalette = std::clamp(nPalette, 0, kMaxPaletteNumber);
    nVolume = std::clamp(nVolume, 0, kMaxVolumeLevel);
    nRankingMode = std::clamp(nRankingMode, 0, kMaxRankingMode);
}
