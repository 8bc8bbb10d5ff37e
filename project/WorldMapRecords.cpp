#include "project/WorldMapRecords.h"

cWorldChip::cWorldChip() {
    Reset();
}

void cWorldChip::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nChipValue);
    AddInt(&bBlocked);
    AddInt(&nChipIndex);
    AddString(&strChipName);
    AddString(&strText2);
}

cWorldEntry::cWorldEntry() {
    Init();
}

void cWorldEntry::Init() {
    Reset();
    nLinkA = 1;
}

void cWorldEntry::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddInt(&nKind);
    AddInt(nParams, 8);
    AddInt(&nParam9);
    if (version >= 209) AddInt(&nParam209);
    if (version >= 758) {
        AddInt(&bLinked);
        AddInt(&nLinkA);
        AddInt(&nLinkB);
    }
    AddString(&strCaption);
    AddString(&strFile);
}

cWorldEvent::cWorldEvent() {
    Init();
}

void cWorldEvent::Init() {
    Reset();
    Entries.clear();
    Entries.emplace_back();
}

void cWorldEvent::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nX);
    AddInt(&nY);
    AddString(&strEventName);
}

void cWorldEvent::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    LoadRecordVector(file, Entries);
}

void cWorldEvent::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Entries);
}
