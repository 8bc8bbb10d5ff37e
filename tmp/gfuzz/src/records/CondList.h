// cCondList: the condition-list part of a command (the flow-control command).
#pragma once

#include "records/Cond.h"

class cCondList : public cRecord<cCondList> {
public:
    cCondList() { Reset(); }

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    std::uint8_t bUse = 0;    // the conditions are checked only when set
    std::int8_t cCombine = 0; // 0 every condition must hold, 1 one is enough
    cVector<cCond> vCond;
};
