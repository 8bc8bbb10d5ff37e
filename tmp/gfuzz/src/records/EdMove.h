// cEdMove: the move part of a command (the move commands and the warp).
#pragma once

#include "foundation/SaveData.h"

#include <cstdint>

class cEdMove : public cRecord<cEdMove> {
public:
    cEdMove();

    void RegisterFields(std::uint32_t version) override;
    void Load(cRecordFile& file) override;

    std::int8_t cMode = 0;  // 0 in a direction, 1 toward a target point; the warp's own numbering
    std::int8_t cMode2 = 0; // direction byte, copied into the running command
    std::int16_t sAngle = 0;
    std::int16_t sAngleAdd = 0; // per summon index
    std::uint8_t bMirrorAngle = 1;
    std::uint8_t bFlag43 = 1;
    std::uint8_t bFlag44 = 1;
    std::int16_t sTargetXBl = 0;
    std::int16_t sTargetYBl = 0;
    std::int16_t sTargetXDot = 0;
    std::int16_t sTargetYDot = 0;
    std::uint8_t cCoordMode = 0;
    std::uint8_t byOpt2 = 1; // arrive and stop
    std::uint8_t bNoMoveX = 0;
    std::uint8_t bNoMoveY = 0;
    std::uint8_t bMirrorX = 1; // mirror the target offset x
    std::uint8_t bMirrorY = 0; // mirror the target offset y
    std::uint8_t bReverseOnTurn = 1;
    std::uint8_t byOpt8 = 0; // stop when closer
    std::uint8_t bKeepFacing = 0;
    std::int8_t cSpec = 0;     // 0 time and speed, 1 time and distance, 2 speed and distance
    std::int16_t sAmount = 10; // speed, tenths of a pixel per frame
    std::int16_t sAmountAdd = 0;
    std::int16_t sDist = 0; // half-blocks, or dots with bDotUnit
    std::int16_t sDistAdd = 0;
    std::uint8_t bDotUnit = 0;
    std::int16_t sHoming = 0; // homing badness 0..10
    std::int16_t sHomingAdd = 0;
    std::uint8_t bInertia = 0;
    std::int16_t sAltAmount = 0; // maximum speed of an inertia move
    double dTurnFactor = 1.0;
    std::uint8_t bOwnAnime = 0;
    std::int8_t byOpt12 = 0; // target slot of the charge and homing moves
};
