#include "records/EdShot.h"

#include "records/RecordContext.h"

cEdShot::cEdShot() {
    Reset();
    bMirrorAngle = 1;
    bMirrorX = 1;
    byOpt8 = 1;
    cSize = 1;
}

void cEdShot::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddByte(&cCount);
    AddByte(&cFormation);
    AddShort(sFormation, 3);
    if (version >= 671) AddByte(&byOpt1);
    AddByte(&cDirCode);
    AddByte(&byOpt3);
    if (version >= 767) AddByte(&cTargetSlot);
    AddShort(&sAngleOfs);
    AddShort(&sAngleOfsAdd);
    if (version >= 158) AddByte(&bMirrorAngle);
    AddShort(&sSpread);
    AddByte(&byOpt6);
    AddByte(&cClonePerShot);
    AddShort(&sOfsX);
    AddShort(&sOfsXAdd);
    AddShort(&sOfsY);
    AddShort(&sOfsYAdd);
    AddByte(&bMirrorX);
    AddByte(&bMirrorY);
    AddShort(&sGraphic);
    AddByte(&cZ);
    AddByte(&byOpt7);
    AddByte(&byOpt8);
    AddByte(&cFaction);
    AddByte(&byOpt9);
    AddByte(&cSize);
    AddByte(&byOpt10);
    AddByte(&cMotion);
    AddShort(sMotion, 3);
    if (version >= 767) AddByte(&cTargetSlot2);
    if (version >= 211) AddByte(&byOpt12);
    AddShort(&sSpeed);
    AddShort(&sSpeedAdd);
    if (version >= 213) {
        AddByte(&byOpt13);
        AddShort(&sAccel);
        AddShort(&sAccelAdd);
    }
    AddShort(&sRange);
    AddByte(&byOpt14);
    AddShort(&sRangeAdd);
    AddByte(&byOpt15);
    AddByte(&byOpt16);
    AddShort(&sLife);
    AddShort(&sLifeAdd);
    AddByte(&byOpt17);
    AddByte(&byOpt18);
    if (version >= 636) AddByte(&byOpt19);
    AddByte(&byOpt20);
    AddByte(&cVanish);
    AddInt(&nPower);
    AddShort(&sOpt21);
    AddByte(&cImpact);
    AddShort(&sEffect);
    AddByte(&cItemSrc);
    AddShort(&sItemNo);
    AddByte(&byOpt22);
    AddByte(&byOpt23);
    if (version >= 197) AddByte(&byOpt24);
    AddByte(&cSummonSrc);
    AddShort(&sSummonNo);
    AddByte(&byOpt25);
    AddByte(&byOpt26);
    AddByte(&byOpt27);
    if (version >= 762) {
        AddByte(&byOpt28);
        AddByte(&byOpt29);
    }
}

void cEdShot::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.LoadVersion() < 818) {
        if (file.LoadVersion() < 158) bMirrorAngle = 0;
        if (file.LoadVersion() < 197) byOpt24 = byOpt23;
        if (file.LoadVersion() < 212) byOpt12 = (cMotion >= 4 && cMotion <= 7) ? 1 : 0;
        if (file.LoadVersion() < 213) {
            byOpt13 = 0;
            sAccel = 0;
            sAccelAdd = 0;
        }
        if (file.LoadVersion() < 636) byOpt19 = byOpt18;
        if (file.LoadVersion() < 671) byOpt1 = 0;
    }
    ClampRefs();
}

void cEdShot::Save(cRecordFile& file) {
    ClampRefs();
    cSaveData::Save(file);
}

void cEdShot::ClampRefs() {
    if (cSize < 1) cSize = 1;
    if (OutsideTable(sEffect, RecordContext().DatabaseSize(eDatabase::Effect))) sEffect = 0;
}

double cEdShot::GetOffsetX(std::int32_t i, std::int32_t facing) const {
    double v = static_cast<double>(sOfsXAdd) * i + sOfsX;
    return (bMirrorX && facing == 1) ? -v : v;
}

double cEdShot::GetOffsetY(std::int32_t i, std::int32_t facing) const {
    double v = static_cast<double>(sOfsYAdd) * i + sOfsY;
    return (bMirrorY && facing == 1) ? -v : v;
}
