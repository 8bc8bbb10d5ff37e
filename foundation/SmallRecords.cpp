#include "foundation/SmallRecords.h"

void cEdString::RegisterFields(std::uint32_t) {
    ClearFields();
    AddString(&str);
}

void cEdIntPair::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nFirst);
    AddInt(&nSecond);
}

void cStageResult::RegisterFields(std::uint32_t version) {
    ClearFields();
    if (version >= 759) {
        AddInt(&nStageVarFlag);
        AddInt(&nStageVarNumber);
        AddInt(&nStageVarValue);
    }
    AddInt(&nValue);
    AddString(&strStageName);
    if (version >= 759) AddString(&strKeyName);
}

void cStageResult::Load(cRecordFile& file) {
    std::uint32_t version = file.LoadVersion();
    cSaveData::Load(file);
    if (!file.Damaged() && version < 759) strKeyName = strStageName;
}

void cHeroCarry::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nHp);
    AddInt(&nSp);
    AddInt(&nCountdown);
    AddInt(&nLives);
    AddInt(&nBgm);
}
