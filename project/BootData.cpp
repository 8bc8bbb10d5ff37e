#include "project/BootData.h"

cBootData BootData;

cBootData::cBootData() {
    RegisterFields(dwDataVersion);
}

void cBootData::RegisterFields(std::uint32_t) {
    ClearFields();
    AddInt(&nDrawMode);
    AddInt(&bDoNotAsk);
}

void cBootData::Normalize() {
    nDrawMode = nDrawMode == 0 ? 0 : 1;
    bDoNotAsk = bDoNotAsk ? 1 : 0;
}
