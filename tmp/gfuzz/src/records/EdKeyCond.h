// cEdKeyCond: one key condition of a flow: a combiner, two values, two bytes
// and one state byte per key.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cEdKeyCond : public cRecord<cEdKeyCond> {
public:
    cEdKeyCond() { Reset(); }

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    std::int8_t cCombine = 0; // all keys, one or more, exactly one
    std::int16_t sValue1 = 0;
    std::int16_t sValue2 = 0;
    std::uint8_t byOpt1 = 0;
    std::uint8_t byOpt2 = 0;
    cVector<std::uint8_t> KeyStates;
};
