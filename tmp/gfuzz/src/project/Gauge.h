// cGauge: one of the five status displays of stage play (0 and 1 scores,
// 2 HP, 3 SP, 4 lives), with the warning level of the HP and SP bars.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cGauge : public cRecord<cGauge> {
public:
    std::int32_t bEnabled = 0;
    std::int32_t bIcon = 0; // the second switch: an icon in place of the label
    std::string Label;
    std::int32_t bShowNumber = 0; // the third switch: the bars also show their number
    std::int32_t nDigits = 0;     // the count field: digits given room in the status bar
    std::int32_t nLowThreshold = 0;
    std::int32_t bLowPercent = 0; // the threshold is a percentage of the maximum

    cGauge() { RegisterFields(dwDataVersion); }

    void RegisterFields(std::uint32_t version) override;
    // Files older than 204 always showed the number.
    void Load(cRecordFile& file) override;
};

// cFlagList: a game mode's ranking switch and its flags, one per ranking table.
class cFlagList : public cRecord<cFlagList> {
public:
    std::int32_t bSwitch = 0;
    cVector<std::uint8_t> Flags;

    cFlagList() { RegisterFields(dwDataVersion); }

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

// The ranking tables a flag list covers.
constexpr std::size_t kRankingTableCount = 5;
