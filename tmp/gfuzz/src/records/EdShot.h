// cEdShot: the shot part of a command (shots, swords and the three summons).
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cEdShot : public cRecord<cEdShot> {
public:
    cEdShot();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;
    void Save(cRecordFile& file) override;

    // `cSize` at least 1, `sEffect` inside the Effect database.
    void ClampRefs();
    // The offset of the i-th spawned object; negated when the axis mirrors and
    // the user faces right (facing 1).
    double GetOffsetX(std::int32_t i, std::int32_t facing) const;
    double GetOffsetY(std::int32_t i, std::int32_t facing) const;

    std::int8_t cCount = 0;     // shots or summoned objects
    std::int8_t cFormation = 0; // formation number, 0..5
    std::int16_t sFormation[3] = {};
    std::uint8_t byOpt1 = 0;
    std::int8_t cDirCode = 0; // direction code of the spawned objects
    std::uint8_t byOpt3 = 0;
    std::int8_t cTargetSlot = 0;
    std::int16_t sAngleOfs = 0;
    std::int16_t sAngleOfsAdd = 0;
    std::uint8_t bMirrorAngle = 1;
    std::int16_t sSpread = 0;
    std::uint8_t byOpt6 = 0;
    std::int8_t cClonePerShot = 0;
    std::int16_t sOfsX = 0;
    std::int16_t sOfsXAdd = 0;
    std::int16_t sOfsY = 0;
    std::int16_t sOfsYAdd = 0;
    std::uint8_t bMirrorX = 1;
    std::uint8_t bMirrorY = 0;
    std::int16_t sGraphic = 0;
    std::int8_t cZ = 0;
    std::uint8_t byOpt7 = 0;
    std::uint8_t byOpt8 = 1;
    std::int8_t cFaction = 0;
    std::uint8_t byOpt9 = 0;
    std::int8_t cSize = 1; // half-blocks
    std::uint8_t byOpt10 = 0;
    std::int8_t cMotion = 0; // movement type; a sword's sword type
    std::int16_t sMotion[3] = {};
    std::int8_t cTargetSlot2 = 0;
    std::uint8_t byOpt12 = 0;
    std::int16_t sSpeed = 0;
    std::int16_t sSpeedAdd = 0;
    std::uint8_t byOpt13 = 0;
    std::int16_t sAccel = 0;
    std::int16_t sAccelAdd = 0;
    std::int16_t sRange = 0; // flight distance; a summon's existence time
    std::uint8_t byOpt14 = 0;
    std::int16_t sRangeAdd = 0;
    std::uint8_t byOpt15 = 0;
    std::uint8_t byOpt16 = 0;
    std::int16_t sLife = 0;
    std::int16_t sLifeAdd = 0;
    std::uint8_t byOpt17 = 0;
    std::uint8_t byOpt18 = 0;
    std::uint8_t byOpt19 = 0;
    std::uint8_t byOpt20 = 0;
    std::int8_t cVanish = 0;
    std::int32_t nPower = 0;
    std::int16_t sOpt21 = 0;
    std::int8_t cImpact = 0;
    std::int16_t sEffect = 0;
    std::int8_t cItemSrc = 0; // 0 none, 1 common palette, 2 stage palette
    std::int16_t sItemNo = 0;
    std::uint8_t byOpt22 = 0;
    std::uint8_t byOpt23 = 0;
    std::uint8_t byOpt24 = 0;
    std::int8_t cSummonSrc = 0; // 0 common palette, 1 stage palette
    std::int16_t sSummonNo = 0;
    std::uint8_t byOpt25 = 0;
    std::uint8_t byOpt26 = 0;
    std::uint8_t byOpt27 = 0;
    std::uint8_t byOpt28 = 0;
    std::uint8_t byOpt29 = 0;
};
