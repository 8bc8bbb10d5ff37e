// The stored rankings of a stage: five tables of 20 entries each, one per
// genre (score, remaining time, clear time, remaining HP, remaining SP), and
// the ranking file of a stage and game kind.
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
    // The place a value takes: the first empty entry or the first it beats
    // (equal values go behind); -1 when it takes none.
    int FindPlace(std::int32_t value) const;
    // Inserts the entry at its place and drops the last; a value that takes no
    // place leaves the table as it was.
    void AddEntry(const std::string& name, std::int32_t value);
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

// Game kinds with a ranking file: story, challenge, free play.
constexpr std::int32_t kRankedKinds = 3;

// "user_data\story\", "user_data\challenge\" or "user_data\free\" with
// the file name of the stage name and the extension "rkg"; a story stage's
// name first takes its three numbers. Empty for other game kinds.
std::string MakeRankingPath(std::int32_t kind, const std::string& stageName, std::int32_t flag,
                            std::int32_t number, std::int32_t value);
// Reads the stage's ranking file into the set; five empty tables and false
// when there is none or it cannot be read (missing, damaged, newer).
bool LoadRanking(cRankSet& set, std::int32_t kind, const std::string& stageName, std::int32_t flag,
                 std::int32_t number, std::int32_t value);
bool SaveRanking(cRankSet& set, std::int32_t kind, const std::string& stageName, std::int32_t flag,
                 std::int32_t number, std::int32_t value);

// "mm:ss.hh" of a time in hundredths of a second (minutes grow past two digits).
std::string FormatTime(std::int32_t hundredths);
// Characters of a number's decimal text, its sign included: 1 to 11.
int CountDigits(std::int32_t value);
