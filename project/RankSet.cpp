#include "project/RankSet.h"

cRankSet RankSet;

cRankEntry::cRankEntry() {
    Reset();
}

void cRankEntry::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&bUsed);
    AddInt(&nValue);
    AddString(&strName);
}

cRankTable::cRankTable() {
    Reset();
}

void cRankTable::Reset() {
    cSaveData::Reset();
    Entries.assign(kEntries, cRankEntry());
}

void cRankTable::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&bOrder);
}

void cRankTable::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    LoadRecordVector(file, Entries);
}

void cRankTable::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Entries);
}

cRankSet::cRankSet() {
    Reset();
}

void cRankSet::Reset() {
    cSaveData::Reset();
    Tables.assign(kTables, cRankTable());
    const std::int32_t order[kTables] = {1, 1, 0, 1, 1};
    for (int i = 0; i < kTables; ++i) Tables[static_cast<std::size_t>(i)].bOrder = order[i];
}

void cRankSet::RegisterFields(std::uint32_t) {
    ClearFields();
}

void cRankSet::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    LoadRecordVector(file, Tables);
    if (file.Damaged()) return;
    // Files up to version 180 come to the five tables of today, the last
    // two ranking the larger value first.
    if (file.LoadVersion() <= 180) {
        Tables.resize(kTables);
        Tables[3].bOrder = 1;
        Tables[4].bOrder = 1;
    }
}

void cRankSet::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Tables);
}
