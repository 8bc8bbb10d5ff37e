#include "records/CharaEffect.h"

#include "records/Labels/EffectParamTables.h"

void cEffectKindRecord::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nKind);
    AddInt(nParam, kParamCount);
    AddString(&strName);
}

void cEffectKindRecord::UpgradeParam(std::int32_t kind, int slot, std::int32_t tableDefault) {
    if (nKind == kind) nParam[slot] = tableDefault;
}

// Before version 511 the wave coarseness and circle coarseness were not stored.
void cCharaEffect::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged() || file.LoadVersion() >= 511) return;
    for (std::int32_t kind : {4, 5}) UpgradeParam(kind, 4, CharaEffectParam(kind, 4).def);
    UpgradeParam(10, 3, CharaEffectParam(10, 3).def);
}

void cScrEffect::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged() || file.LoadVersion() >= 511) return;
    for (std::int32_t kind : {6, 7}) UpgradeParam(kind, 4, ScrEffectParam(kind, 4).def);
    UpgradeParam(10, 3, ScrEffectParam(10, 3).def);
}
