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
