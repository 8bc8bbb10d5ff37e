// cOptionData: the player's own choices, user_data\Option.dat: palette
// number, music switch, sound-effect volume level, ranking-registration mode
// and the fixed ranking name.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

// Ranges of the values that index fixed tables.
constexpr std::int32_t kMaxPaletteNumber = 23;
constexpr std::int32_t kMaxVolumeLevel = 10;
constexpr std::int32_t kMaxRankingMode = 3;

class cOptionData : public cRecord<cOptionData> {
public:
    std::int32_t nPalette = 0;     // 8-bit palette file number
    std::int32_t bMusic = 0;       // non-zero: background music on
    std::int32_t nVolume = 0;      // sound-effect volume level, 0 to 10
    std::int32_t nRankingMode = 0; // 0 manual with name entry, 1 manual fixed name, 2 automatic with
                                   // name entry, 3 automatic fixed name
    std::string RankingName;       // the fixed name of ranking entries

    cOptionData();

    void RegisterFields(std::uint32_t version) override;
    // The stored values index fixed tables, so each is brought into its range.
    void Load(cRecordFile& file) override;
};

extern cOptionData OptionData;
