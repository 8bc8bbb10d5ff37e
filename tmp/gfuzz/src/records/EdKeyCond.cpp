#include "records/EdKeyCond.h"

#include "records/RecordVector.h"

void cEdKeyCond::RegisterFields(std::uint32_t) {
    ClearFields();
    AddByte(&cCombine);
    AddShort(&sValue1);
    AddShort(&sValue2);
    AddByte(&byOpt1);
    AddByte(&byOpt2);
}

void cEdKeyCond::Load(cRecordFile& file) {
    cSaveData::Load(file);
    LoadByteVector(file, KeyStates);
}

void cEdKeyCond::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveByteVector(file, KeyStates);
}
