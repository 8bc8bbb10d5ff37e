#include "project/DatabaseRecords.h"

void cBmp_CharaExc::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 152) AddInt(&nNumber);
    if (version >= 172) {
        AddInt(&bLargeCell);
        AddInt(&nCellMultiple);
    }
    AddString(&strName);
    AddString(&strFile);
}

void cBmp_CharaExc::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (!file.Damaged() && file.LoadVersion() < 153) nNumber = 0;
}

void cSwordTypeEntry::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddInt(&nOffsetX);
    AddInt(&nOffsetY);
    if (version >= 138) {
        AddInt(&bMirrorX);
        AddInt(&bMirrorY);
    }
    AddInt(&nAnchor);
    AddInt(&nSrcX);
    AddInt(&nSrcY);
    AddInt(&nWidth);
    AddInt(&nHeight);
    AddInt(&nDuration);
}

cSwordType::cSwordType() {
    Init();
}

void cSwordType::Init() {
    Reset();
    Entries.assign(1, cSwordTypeEntry());
    Entries[0].nDuration = 1;
}

void cSwordType::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 151) AddInt(&nNumber);
    AddString(&strName);
    AddString(&strFile1);
    AddString(&strFile2);
}

void cSwordType::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    std::uint32_t version = file.LoadVersion();
    LoadRecordVector(file, Entries);
    if (version < 153) nNumber = 0;
}

void cSwordType::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveRecordVector(file, Entries);
}

void cNamedFileRecord::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 151) AddInt(&nNumber);
    AddString(&strName);
    AddString(&strFile);
}

void cNamedFileRecord::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (!file.Damaged() && file.LoadVersion() < 153) nNumber = 0;
}

void cBgm::RegisterFields(std::uint32_t version) {
    cNamedFileRecord::RegisterFields(version);
    // The track value follows the number in the field list.
    if (version >= 814) AddInt(&nTrackValue);
}
