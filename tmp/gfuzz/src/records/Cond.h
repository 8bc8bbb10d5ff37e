// cCond: one condition, the element of condition lists and of the condition
// vectors of flows and definitions. Its evaluation belongs to the engine.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cCond : public cRecord<cCond> {
public:
    cCond() { Reset(); }

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;

    std::int8_t cKind = 0;
    std::int8_t cSel1 = 0;
    std::int8_t cSel2 = 0;
    std::int8_t cSel3 = 0;
    std::int8_t cArg = 0;
    std::int16_t sValue = 0;
    std::int8_t cSel4 = 0;
    std::int32_t nValue1 = 0;
    std::int32_t nValue2 = 0;
    std::int32_t nValue3 = 0;
    std::int8_t cSel5 = 0;
    std::int8_t cArg2 = 0;
    std::int8_t cSel6 = 0;
    std::int16_t sValue2 = 0;
    std::uint8_t bFlag1 = 0;
    std::uint8_t bFlag2 = 0;
    std::uint8_t bFlag3 = 0;
};

// A vector of conditions: a count, then each condition.
void LoadConds(cRecordFile& file, cVector<cCond>& out);
void SaveConds(cRecordFile& file, cVector<cCond>& conds);
