// Records of the CharaEffect and ScrEffect databases: a kind and five
// parameters, a timed distortion of how a character or the whole screen is
// drawn. Both keep the same stored layout.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

class cEffectKindRecord : public cSaveData {
public:
    static constexpr int kParamCount = 5;

    std::string strName;
    std::int32_t nKind = 1;                // 0 = none
    std::int32_t nParam[kParamCount] = {}; // p1 (time in tenths of a second) to p5

    cEffectKindRecord() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;

protected:
    // Older editors did not store this parameter: it takes the table default.
    void UpgradeParam(std::int32_t kind, int slot, std::int32_t tableDefault);
};

class cCharaEffect : public cRecord<cCharaEffect, cEffectKindRecord> {
public:
    void Load(cRecordFile& file) override;
};

class cScrEffect : public cRecord<cScrEffect, cEffectKindRecord> {
public:
    void Load(cRecordFile& file) override;
};
