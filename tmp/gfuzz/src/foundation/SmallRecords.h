// Small stored records that several parts of the program share.
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>
#include <string>

// A record holding one text.
class cEdString : public cRecord<cEdString> {
public:
    std::string str;

    cEdString() { RegisterFields(dwDataVersion); }
    explicit cEdString(std::string text) : str(std::move(text)) { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};

// Two integers; a challenge stage keeps its cleared flag and best score in one.
class cEdIntPair : public cRecord<cEdIntPair> {
public:
    std::int32_t nFirst = 0;
    std::int32_t nSecond = 0;

    cEdIntPair() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};

// One cleared story stage. Files before version 759 hold only the stage name
// and the result; their key name is the stage name.
class cStageResult : public cRecord<cStageResult> {
public:
    std::string strStageName;
    std::string strKeyName;
    std::int32_t nStageVarFlag = 0;
    std::int32_t nStageVarNumber = 0;
    std::int32_t nStageVarValue = 0;
    std::int32_t nValue = 0; // the best score of the stage

    cStageResult() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
};

// What one hero carries over to the next stage. The carried character
// definition follows these fields in the file once the definition record
// joins it.
class cHeroCarry : public cRecord<cHeroCarry> {
public:
    std::int32_t nHp = 0;
    std::int32_t nSp = 0;
    std::int32_t nCountdown = 0;
    std::int32_t nLives = 0;
    std::int32_t nBgm = 0;

    cHeroCarry() { RegisterFields(dwDataVersion); }
    void RegisterFields(std::uint32_t version) override;
};
