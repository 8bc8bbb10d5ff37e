#include "records/CondList.h"

void cCondList::RegisterFields(std::uint32_t) {
    ClearFields();
    AddByte(&bUse);
    AddByte(&cCombine);
}

void cCondList::Load(cRecordFile& file) {
    cSaveData::Load(file);
    // Lists of 764 and 765 stored no conditions.
    if (file.LoadVersion() >= 766)
        LoadConds(file, vCond);
    else
        vCond.clear();
}

void cCondList::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveConds(file, vCond);
}
