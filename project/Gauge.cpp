#include "project/Gauge.h"

void cGauge::RegisterFields(std::uint32_t version) {
    ClearFields();
    AddInt(&bEnabled);
    AddInt(&bIcon);
    AddString(&Label);
    AddInt(&nDigits);
    if (version >= 204) AddInt(&bShowNumber);
    if (version >= 587) {
        AddInt(&nLowThreshold);
        AddInt(&bLowPercent);
    }
}

void cGauge::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.LoadVersion() < 204) bShowNumber = 1;
}

void cFlagList::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&bSwitch);
}

void cFlagList::Load(cRecordFile& file) {
    cSaveData::Load(file);
    if (file.Damaged()) return;
    std::uint32_t n = file.ReadCount(1);
    cVector<std::uint8_t> flags(Flags);
    flags.resize(n, 0);
    if (n && !file.Read(flags.data(), n)) return;
    Flags = std::move(flags);
}

void cFlagList::Save(cRecordFile& file) {
    cSaveData::Save(file);
    SaveValueVector(file, Flags);
}
