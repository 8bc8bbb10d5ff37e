// The stored rankings of a stage: five tables of 20 entries each. Which value
// a table ranks and how entries are placed belong to the ranking screens.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cRankEntry : public cRecord<cRankEntry> {
public:
    std::int32_t bUsed = 0; // 0: the place is empty
    std::int32_t nValue = 0;
    std::string strName;

    cRankEntry();
    void RegisterFields(std::uint32_t version) override;
};

class cRankTable : public cRecord<cRankTable> {
public:
    static constexpr int kEntries = 20;

    std::int32_t bOrder = 0; // 1: the larger value ranks first; 0: the smaller
    cVector<cRankEntry> Entries;

    cRankTable();
    // Twenty empty entries; the order flag 0 (hides the base Reset).
    void Reset();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

class cRankSet : public cRecord<cRankSet> {
public:
    static constexpr int kTables = 5;

    cVector<cRankTable> Tables;

    cRankSet();
    // Five empty tables with the order flags 1, 1, 0, 1, 1 (hides the base Reset).
    void Reset();
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;
};

extern cRankSet RankSet;
